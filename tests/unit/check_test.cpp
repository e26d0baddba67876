// vantor-check's checks, each on a copy of the sample installation with one
// mistake of the kind authors make, and the exact line it must print.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "check/avi_header.h"
#include "check/checker.h"
#include "check/known_names.h"
#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_drives.h"
#include "platform/sim/sim_multimedia.h"

namespace vantor::testing {
namespace {

using check::CheckReport;

constexpr const char* kFolder = "C:\\Vantor";
constexpr const char* kClips[] = {"place.avi", "preview.avi", "select.avi", "output.avi"};

std::string SampleFile(const std::string& name) {
  std::ifstream file(std::string(VANTOR_SAMPLE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The head of an AVI file whose video stream has this codec and
// compression: enough for the checker to name the format.
std::string AviHead(const std::string& handler, const std::string& compression) {
  const auto dword = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  const std::string strh = "strh" + dword(8) + "vids" + handler;
  const std::string strf = "strf" + dword(20) + dword(40) + dword(320) + dword(240) +
                           std::string("\x01\x00\x18\x00", 4) + compression;
  const std::string strl = "LIST" + dword(4 + strh.size() + strf.size()) + "strl" + strh + strf;
  const std::string hdrl = "LIST" + dword(4 + strl.size()) + "hdrl" + strl;
  return "RIFF" + dword(4 + hdrl.size()) + "AVI " + hdrl;
}

// A copy of the sample installation on the simulated desktop: the files
// as the installer lays them out in C:\Vantor, the clips below it in
// clips\, and a clip device that plays every sample clip.
struct Install {
  std::string ini = SampleFile("zthelp.ini");
  std::string title = SampleFile("Vantor.m14");
  std::string iniName = "zthelp.ini";
  std::vector<std::string> absent;  // files of the sample left out
  std::vector<std::function<void(sim::SimDrives&, sim::FakeMciDevice&)>> changes;

  // Every occurrence of `from` in the settings file becomes `to`; the text
  // must be there.
  Install& Ini(const std::string& from, const std::string& to) {
    Replace(ini, from, to);
    return *this;
  }
  Install& Title(const std::string& from, const std::string& to) {
    Replace(title, from, to);
    return *this;
  }
  Install& Without(const std::string& path) {
    absent.push_back(path);
    return *this;
  }
  Install& Change(std::function<void(sim::SimDrives&, sim::FakeMciDevice&)> change) {
    changes.push_back(std::move(change));
    return *this;
  }

  static void Replace(std::string& text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  }

  CheckReport Run(const check::CheckOptions& options = {}) const {
    sim::SimDrives drives;
    sim::FakeMciDevice mci([] { return 0LL; });
    sim::Windows1252 codePage;
    const auto put = [&](const std::string& name, const std::string& bytes) {
      if (std::find(absent.begin(), absent.end(), name) == absent.end())
        drives.PutFile(std::string(kFolder) + "\\" + name, bytes);
    };
    drives.AddFolder(kFolder);
    put(iniName, ini);
    put("Vantor.m14", title);
    put("mvback37.bmp", "BM...");
    put("mvbackWH.bmp", "BM...");
    put("clips\\vantor-clips.id", "Vantor clips\r\n");
    for (const char* clip : kClips) {
      put(std::string("clips\\") + clip, SampleFile(std::string("clips/") + clip).substr(0, 4096));
      mci.AddClip(std::string(kFolder) + "\\clips\\" + clip, 320, 240, 5000);
    }
    for (const auto& change : changes) change(drives, mci);
    check::CheckServices services{drives, drives, mci, codePage};
    return check::CheckInstallation(kFolder, services, options);
  }
};

std::vector<std::string> Lines(const CheckReport& report) {
  std::vector<std::string> lines;
  for (const auto& finding : report.findings) lines.push_back(check::FindingLine(finding));
  return lines;
}

// The line of `text` (from 1) where `needle` first stands; 0 when nowhere.
int LineOf(const std::string& text, const std::string& needle) {
  const std::size_t at = text.find(needle);
  if (at == std::string::npos) return 0;
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
}

// One finding expected: the file, the text on its line (empty: a finding
// about the whole file), and what follows "file:line: ".
struct Expected {
  std::string file;
  std::string at;
  std::string rest;
};

struct Case {
  std::string name;
  Install install;
  int status;
  std::vector<Expected> expected;
  friend void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
};

// The finding's line as it must be printed; "{text}" in the message stands
// for the line of the file where that text first stands.
std::string LineText(const Install& install, const Expected& e) {
  const std::string& text = e.file == "Vantor.m14" ? install.title : install.ini;
  std::string rest = e.rest;
  for (std::size_t open = rest.find('{'); open != std::string::npos; open = rest.find('{')) {
    const std::size_t close = rest.find('}', open);
    rest.replace(open, close - open + 1,
                 std::to_string(LineOf(text, rest.substr(open + 1, close - open - 1))));
  }
  if (e.at.empty()) return e.file + ": " + rest;
  return e.file + ":" + std::to_string(LineOf(text, e.at)) + ": " + rest;
}

TEST(Check, TheSampleInstallationHasNothingToReport) {
  const CheckReport report = Install().Run();
  EXPECT_THAT(Lines(report), ::testing::IsEmpty());
  EXPECT_EQ(report.status, check::kClean);
}

const std::string kBigValue(300, 'x');

std::vector<Case> Cases() {
  return {
      // --- The mistakes authors made, and what users met. ---
      {"MisspeltTopicSection",
       Install().Ini("[coachTopic3]", "[coachTopc3]"),
       1,
       {{"zthelp.ini", "[coachTopc3]",
         "error: [coachTopc3] is not a section Vantor reads: rename it [coachTopic3]"},
        {"zthelp.ini", "[coachTopic4]",
         "error: [coachTopic4] is never read: there is no [coachTopic3], where the topic list "
         "ends, so [coachTopic4] to [coachTopic11] are lost and the task ends early (Finish "
         "comes on the page before); number the sections from 0 without a gap"},
        {"zthelp.ini", "StartTopic=4",
         "error: [coachStep2] StartTopic=4 is not a topic of the task ([coachTopic0] to "
         "[coachTopic2]): its step label does nothing; give the number of the step's first "
         "topic"}}},
      {"TopicSectionDeletedWithoutRenumbering",
       Install().Ini("[coachTopic5]\nTopicID=adjust_frame\nBack=-1\nHideButton=0\n"
                     "OptionButtonSet=-1\n",
                     ""),
       1,
       {{"zthelp.ini", "[coachTopic6]",
         "error: [coachTopic6] is never read: there is no [coachTopic5], where the topic list "
         "ends, so [coachTopic6] to [coachTopic11] are lost and the task ends early (Finish "
         "comes on the page before); number the sections from 0 without a gap"},
        {"Vantor.m14", "@topic adjust_frame",
         "warning: \"@topic adjust_frame\" is shown on no page: no TopicID of zthelp.ini names "
         "it; correct the TopicID that should, or delete the topic"}}},
      {"FirstStepNameEmptied",
       Install().Ini("BUTTON=Start", "BUTTON="),
       1,
       {{"zthelp.ini", "BUTTON=\n",
         "error: [coachStep0] BUTTON is empty: it ends the step list, so [coachStep1] to "
         "[coachStep5] are never read and no step loads at all, so Next does nothing and the "
         "coach stays on its first page (step 0's BUTTON is never shown, but it must not be "
         "empty); give it a BUTTON"}}},
      {"TopicIdTheTitleLacks",
       Install().Ini("TopicID=mark_area", "TopicID=mark_areas"),
       1,
       {{"zthelp.ini", "TopicID=mark_areas",
         "error: [coachTopic4] TopicID \"mark_areas\" has no topic in Vantor.m14: the page is "
         "blank; correct the TopicID or add \"@topic mark_areas\" there"}}},
      {"OptionSetPastTheSets",
       Install().Ini("OptionButtonSet=2", "OptionButtonSet=3"),
       1,
       {{"zthelp.ini", "OptionButtonSet=3",
         "error: [coachTopic8] OptionButtonSet=3 names no option set ([OptionButtons] "
         "numOBSets=3: there are [OptionButtons0] to [OptionButtons2]): the page shows no "
         "choices, but Do It still sets the output type of a choice the user never saw; correct "
         "the number, or add the set and raise numOBSets"}}},
      {"StartTopicPastTheLastTopic",
       Install().Ini("StartTopic=10", "StartTopic=12"),
       1,
       {{"zthelp.ini", "StartTopic=12",
         "error: [coachStep5] StartTopic=12 is not a topic of the task ([coachTopic0] to "
         "[coachTopic11]): its step label does nothing; give the number of the step's first "
         "topic"}}},
      {"TopicLineWithAColon",
       Install().Title("@topic mark_area", "@topic: mark_area"),
       1,
       {{"Vantor.m14", "@topic: mark_area",
         "error: \"@topic: mark_area\" does not start a topic, so its text runs on in the page "
         "before (check_preview); write \"@topic mark_area\""}}},
      {"CommentAfterTheIdentifier",
       Install().Title("@topic adjust_frame", "@topic adjust_frame  # note"),
       1,
       {{"Vantor.m14", "@topic adjust_frame",
         "error: the identifier is everything after \"@topic\", \"adjust_frame  # note\", which "
         "no TopicID names: write \"@topic adjust_frame\" and put a comment on a line of its "
         "own, starting with \"#\""},
        {"zthelp.ini", "TopicID=adjust_frame",
         "error: [coachTopic5] TopicID \"adjust_frame\" has no topic in Vantor.m14: the page is "
         "blank; correct the TopicID or add \"@topic adjust_frame\" there"}}},
      {"UnpairedBoldMark",
       Install().Title("= Welcome to the Scan Coach", "= Welcome to the **Scan Coach"),
       0,
       {{"Vantor.m14", "= Welcome",
         "warning: in topic scan_welcome: a \"**\" here has no partner, so it shows as stars "
         "and nothing after it is bold; close the bold text with \"**\""}}},
      {"ClipFileMisspelt",
       Install().Ini("File=select.avi", "File=selct.avi"),
       1,
       {{"zthelp.ini", "File=selct.avi",
         "error: [AVI2] File \"selct.avi\" is not in the clip folder C:\\Vantor\\clips: a click "
         "on the clip brings only messages of the multimedia layer; did you mean "
         "\"select.avi\"?"}}},
      {"ClipTheSystemCannotPlay",
       Install()
           .Change([](sim::SimDrives& drives, sim::FakeMciDevice&) {
             drives.PutFile("C:\\Vantor\\clips\\new.avi", AviHead("FMP4", "FMP4"));
           })
           .Ini("File=output.avi", "File=new.avi"),
       1,
       {{"zthelp.ini", "File=new.avi",
         "error: [AVI3] File \"new.avi\" cannot be played on this system (its video is FMP4): "
         "the multimedia layer says \"Cannot find the specified file. Make sure the path and "
         "filename are correct.\"; make the clip an AVI file in a format the system plays "
         "(RLE8, Cinepak or Microsoft Video 1)"}}},
      {"SectionPastedUnderTheOriginal",
       Install().Ini("[AVI3]", "[AVI2]"),
       1,
       {{"zthelp.ini", "[AVI2]\nBUTTON=Output type",
         "error: [AVI2] is repeated (first at line {[AVI2]\nBUTTON=Select}): only the first is "
         "read, so the keys "
         "here are never seen: merge them into the first, or give this section its own name"}}},
      {"KeyPastedUnderTheOriginal",
       Install().Ini("NextButton=Next >", "NextButton=Next >\nNextButton=Weiter >"),
       1,
       {{"zthelp.ini", "NextButton=Weiter >",
         "error: [frmCoach Text] NextButton is repeated: Vantor reads the first, \"Next >\" "
         "(line {NextButton=Next}), never this \"Weiter >\": delete the one you do not want"}}},
      {"KeyFileMissingFromTheClipFolder",
       Install().Without("clips\\vantor-clips.id"),
       1,
       {{"zthelp.ini", "keyFile=",
         "error: [AVI Setup] keyFile \"vantor-clips.id\" is not in C:\\Vantor\\clips (the clip "
         "folder below the installation): Vantor does not take the folder, and the prompt for "
         "the clips comes back on OK with no reason; put the key file beside the clips"}}},
      {"BlankInTheFirstClipSection",
       Install().Ini("[AVI0]\nBUTTON", "[AVI 0]\nBUTTON"),
       1,
       {{"zthelp.ini", "[AVI 0]", "error: [AVI 0] is not a section Vantor reads: rename it [AVI0]"},
        {"zthelp.ini", "[AVI1]",
         "error: [AVI1] is never read: there is no [AVI0], where the clip list ends, so [AVI1] "
         "to [AVI3] are lost and the video window says \"ZTHELP.INI not found. Please "
         "reinstall ZT Orvex Pro.\" and ends; number the sections from 0 without a gap"}}},
      {"CommentAfterAValue",
       Install().Ini("NextButton=Next >", "NextButton=Weiter >   ; translated"),
       0,
       {{"zthelp.ini", "NextButton=",
         "warning: [frmCoach Text] NextButton ends in \"; translated\", which is part of the "
         "value, not a comment: the window shows it. Put comments on a line of their own"}}},
  };
}

class CheckCase : public ::testing::TestWithParam<Case> {};

TEST_P(CheckCase, PrintsTheExpectedLines) {
  const Case& c = GetParam();
  const CheckReport report = c.install.Run();
  const std::vector<std::string> lines = Lines(report);
  for (const Expected& e : c.expected)
    EXPECT_THAT(lines, ::testing::Contains(LineText(c.install, e)));
  EXPECT_EQ(report.status, c.status) << ::testing::PrintToString(lines);
}

INSTANTIATE_TEST_SUITE_P(Mistakes, CheckCase, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vantor::testing

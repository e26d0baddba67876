// vantor-check's checks, each on a copy of the sample installation with one
// mistake of the kind authors make, and the exact line it must print.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "check/avi_header.h"
#include "check/checker.h"
#include "check/known_names.h"
#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_drives.h"
#include "platform/sim/sim_form_host.h"
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
  // Texts measured in the simulated desktop's fonts, some at chosen widths.
  bool measured = false;
  std::map<std::string, int> widths;

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
  Install& Measured(std::map<std::string, int> chosen = {}) {
    measured = true;
    widths = std::move(chosen);
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
    sim::FixedTextMeasurer measurer;
    measurer.widths = widths;
    check::CheckServices services{drives, drives, mci, codePage, measured ? &measurer : nullptr};
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
  std::vector<std::string> without = {};  // texts no finding may hold
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

      {"SettingsFileSavedAsText",
       [] {
         Install install;
         install.iniName = "zthelp.ini.txt";
         return install;
       }(),
       2,
       {{"zthelp.ini.txt", "",
         "error: Vantor reads only zthelp.ini, and this file is not read: rename it zthelp.ini "
         "(Windows may hide the \".txt\" an editor added)"},
        {"zthelp.ini", "",
         "error: cannot be read: every text of Vantor's windows is empty, and the coach has no "
         "task; put zthelp.ini beside vantor.exe"}}},

      // --- The rest of what authors get wrong. ---
      {"HelpTitleMissing",
       Install().Without("Vantor.m14"),
       1,
       {{"Vantor.m14", "",
         "error: cannot be read: every page of the coach shows only its background; put "
         "Vantor.m14 beside vantor.exe"}}},
      {"PictureNotABitmap",
       Install().Change([](sim::SimDrives& drives, sim::FakeMciDevice&) {
         drives.PutFile("C:\\Vantor\\mvbackWH.bmp", "GIF89a");
       }),
       0,
       {{"mvbackWH.bmp", "",
         "warning: is not a Windows bitmap, so the topic pane is plain white; save the picture "
         "as a .bmp file"}}},
      {"TopicListEndsAtAnEmptyTopicId",
       Install().Ini("TopicID=final_scan", "TopicID="),
       1,
       {{"zthelp.ini", "TopicID=\n",
         "error: [coachTopic9] TopicID is empty: it ends the topic list, so [coachTopic10] to "
         "[coachTopic11] are never read and the task ends early (Finish comes on the page "
         "before); give it a TopicID"}}},
      {"SeventhStep",
       Install().Ini("[coachTopic0]", "[coachStep6]\nBUTTON=More\nStartTopic=11\n\n[coachTopic0]"),
       0,
       {{"zthelp.ini", "[coachStep6]",
         "warning: [coachStep6] is never read: the coach has six step labels, [coachStep0] to "
         "[coachStep5]"}}},
      {"EleventhClip",
       Install().Ini("[AVI3]", "[AVI10]\nBUTTON=More\nFile=more.avi\n\n[AVI3]"),
       0,
       {{"zthelp.ini", "[AVI10]",
         "warning: [AVI10] is never read: the video window has ten clip labels, [AVI0] to "
         "[AVI9]"}}},
      {"OptionalTextMisspelt",
       Install().Ini("Instruction2=to see how it is done.",
                     "Instruction2=to see how it is done.\nBadClipFileMesage=Kein Clip: %1"),
       1,
       {{"zthelp.ini", "BadClipFileMesage",
         "error: [frmRUNAVI Text] \"BadClipFileMesage\" is not a key Vantor reads: write it "
         "BadClipFileMessage"}}},
      {"TranslatedFixedTextMisspelt",
       Install().Ini(
           "[All Forms Text]",
           "[frmGetPath Text]\nTitle=Ordner mit den Videos\nCurrentFolderLable=Ordner:\n\n"
           "[frmAbuot Text]\nCopyrightLabel=(C)\n\n[All Forms Text]"),
       1,
       {{"zthelp.ini", "CurrentFolderLable",
         "error: [frmGetPath Text] \"CurrentFolderLable\" is not a key Vantor reads: write it "
         "CurrentFolderLabel"},
        {"zthelp.ini", "[frmAbuot Text]",
         "error: [frmAbuot Text] is not a section Vantor reads: rename it [frmAbout Text]"}},
       {"[frmGetPath Text] Title"}},
      {"KeyNameWithABlank",
       Install().Ini("TopicID=check_preview", "Topic ID=check_preview"),
       1,
       {{"zthelp.ini", "Topic ID",
         "error: [coachTopic3] \"Topic ID\" is not a key Vantor reads: write it TopicID"}}},
      {"HashComment",
       Install().Ini("Title=Vantor Scan Coach", "Title=Vantor Scan Coach\n#Title=Old title"),
       0,
       {{"zthelp.ini", "#Title",
         "warning: [frmCoach Text] \"#Title\" is a key, not a comment: a comment starts with "
         "\";\""}}},
      {"LineWithoutEquals",
       Install().Ini("TopicID=mark_area\nBack=-1", "TopicID=mark_area\nBack -1"),
       0,
       {{"zthelp.ini", "Back -1",
         "warning: [coachTopic4] this line has no \"=\" and defines nothing: write it as "
         "name=value, or start a comment with \";\""},
        {"zthelp.ini", "[coachTopic4]",
         "warning: [coachTopic4] Back=0: Back is enabled on this page but does nothing; give "
         "the offset to the page Back goes to (-1 for the one before)"}}},
      {"KeyBeforeAnySection",
       Install().Ini("[General]", "Title=Vantor\n[General]"),
       0,
       {{"zthelp.ini", "Title=Vantor\n",
         "warning: Title stands before any section and is never read: move it into its "
         "section"}}},
      {"ValueOneCharacterTooLong",
       Install().Ini("TOOLTIP=Choose colour, grey or black and white for the scan",
                     "TOOLTIP=" + std::string(256, 'x')),
       0,
       {{"zthelp.ini", "TOOLTIP=xx",
         "warning: [AVI3] TOOLTIP is 256 characters long: Vantor reads only the first 255, up "
         "to \"" +
             std::string(20, 'x') + "\"; shorten it"}}},
      {"ValueOfTheLongestLength",
       Install().Ini("TOOLTIP=Choose colour, grey or black and white for the scan",
                     "TOOLTIP=\"" + std::string(255, 'x') + "\""),
       0,
       {},
       {"characters long"}},
      {"NumberInWords",
       Install().Ini("TopicID=adjust_frame\nBack=-1", "TopicID=adjust_frame\nBack=minus one"),
       0,
       {{"zthelp.ini", "Back=minus one",
         "warning: [coachTopic5] Back = \"minus one\" is not a whole number: Vantor reads it as "
         "0; write the number in digits"}}},
      {"SixteenBitNumberTooLarge",
       Install().Ini("TopicID=scan_welcome\nBack=0\nHideButton=1",
                     "TopicID=scan_welcome\nBack=0\nHideButton=32768"),
       0,
       {{"zthelp.ini", "HideButton=32768",
         "warning: [coachTopic0] HideButton = 32768 does not fit in 16 bits, so Vantor takes its "
         "default instead: keep it within -32768 to 32767"}},
       {"32767 does not fit"}},
      {"Utf8WithoutSignature",
       Install().Ini("Title=Vantor Scan Coach", "Title=Vantor Scan-Assistent f\xC3\xBCr Sie"),
       1,
       {{"zthelp.ini", "Scan-Assistent",
         "error: [frmCoach Text] Title is UTF-8, and the file has no UTF-8 signature: Vantor "
         "reads it in the system's code page 1252, so every letter beyond ASCII shows as two or "
         "three wrong ones. Save zthelp.ini in code page 1252 (\"ANSI\"), or as \"UTF-8 with "
         "signature\""}}},
      {"LetterTheCodePageLacks",
       [] {
         Install install;
         install.Ini("Title=Vantor Scan Coach",
                     "Title=\xD0\xA2\xD1\x80\xD0\xB5\xD0\xBD\xD0\xB5\xD1\x80");
         install.Ini("DontShowLabel=Don't show", "DontShowLabel=Nicht mehr zeigen, sch\xC3\xB6n");
         install.ini = "\xEF\xBB\xBF" + install.ini;
         return install;
       }(),
       1,
       {{"zthelp.ini", "Title=\xD0\xA2",
         "error: [frmCoach Text] Title holds U+0422, a letter that the system's code page 1252 "
         "lacks: Vantor reads it as \"?\". Write this text with the letters of code page 1252, "
         "or install on a system whose code page has them"}},
       {"U+00F6"}},
      {"BackBeforeTheFirstTopic",
       Install().Ini("TopicID=place_original\nBack=-1", "TopicID=place_original\nBack=-2"),
       1,
       {{"zthelp.ini", "Back=-2",
         "error: [coachTopic1] Back=-2 points to topic -1, which the task does not have: Back "
         "does nothing here; give the offset to the page Back goes to (-1 for the one before)"}}},
      {"BackForward",
       Install().Ini("TopicID=colour_use\nBack=-1", "TopicID=colour_use\nBack=1"),
       0,
       {{"zthelp.ini", "Back=1",
         "warning: [coachTopic7] Back=1 goes forward, to [coachTopic8]: Back offsets are "
         "normally negative (-1 for the page before)"}}},
      {"StepsOutOfOrder",
       Install().Ini("StartTopic=6", "StartTopic=4"),
       0,
       {{"zthelp.ini", "StartTopic=4\n\n[coachStep4]",
         "warning: [coachStep3] StartTopic=4 does not come after [coachStep2]'s StartTopic (4): "
         "the steps must follow the topics upward, or the marked step goes astray"}}},
      {"KindOfOriginalWithTooFewChoices",
       Install().Ini("OptionButtonText6=A chart, map or logo in a few flat colours\n", ""),
       1,
       {{"zthelp.ini", "OptionButtonSet=0",
         "error: [coachTopic6]: topic 6 marks one of 7 choices (by the output type) for the kind "
         "of original, but [OptionButtons0] lacks OptionButtonText6; topics 2, 4, 6, 7 and 8 "
         "act on the scanning application by number, so a topic added or removed before them "
         "moves the others"}}},
      {"OutputTopicWithoutDoIt",
       Install().Ini("DoItButton=Set this output type in ZT Orvex Pro\n", ""),
       1,
       {{"zthelp.ini", "[coachTopic8]",
         "error: [coachTopic8] has no DoItButton: topic 8's Do It is what sets the chosen output "
         "type in the scanning application; without it nothing is set"}}},
      {"OptionTextPastMaxOptionButtons",
       Install().Ini("maxOptionButtons=8", "maxOptionButtons=7"),
       1,
       {{"zthelp.ini", "OptionButtonText7=16",
         "warning: [OptionButtons2] OptionButtonText7 is never shown: [OptionButtons] "
         "maxOptionButtons is 7; raise it to 8"}}},
      {"SetPastNumOBSets",
       Install().Ini("numOBSets=3", "numOBSets=2"),
       1,
       {{"zthelp.ini", "[OptionButtons2]",
         "warning: [OptionButtons2] is never read: [OptionButtons] numOBSets is 2; raise it to "
         "3"}}},
      {"OptionRowLeftEmpty",
       Install().Ini("OptionButtonText2=Show it on screen or send it by e-mail\n", ""),
       1,
       {{"zthelp.ini", "[OptionButtons1]",
         "warning: [OptionButtons1] OptionButtonText2 is missing or empty: its row stays empty "
         "between the choices"}}},
      {"HelpTopicRepeated",
       Install().Title("@topic final_scan", "@topic scan_done\nThe end.\n\n@topic final_scan"),
       0,
       {{"Vantor.m14", "@topic scan_done\n=",
         "warning: \"@topic scan_done\" is repeated (first at line {@topic scan_done\nThe end.}): "
         "only "
         "the first is shown; rename or delete this one"}}},
      {"TextBeforeTheFirstTopic",
       Install().Title("@topic scan_welcome", "Scan coach help\n\n@topic scan_welcome"),
       0,
       {{"Vantor.m14", "Scan coach help",
         "warning: text before the first \"@topic\" belongs to no topic and is never shown; "
         "start it with \"@topic <identifier>\" or make it a comment with \"#\""}}},
      {"ClipNameWithABlank",
       Install()
           .Ini("File=place.avi", "File=place clip.avi")
           .Change([](sim::SimDrives& drives, sim::FakeMciDevice& mci) {
             drives.PutFile("C:\\Vantor\\clips\\place clip.avi", AviHead("mrle", "\x01"));
             mci.AddClip("C:\\Vantor\\clips\\place clip.avi", 320, 240, 5000);
           }),
       0,
       {{"zthelp.ini", "File=place clip.avi",
         "warning: [AVI0] File \"place clip.avi\" has a blank in its name: the multimedia layer "
         "takes a blank for the end of the name unless it is quoted; rename the clip without "
         "blanks"}}},
      {"ClipNameWithAQuote",
       Install().Ini("File=place.avi", "File=pla\"ce.avi"),
       1,
       {{"zthelp.ini", "File=pla",
         "error: [AVI0] File \"pla\"ce.avi\" holds a character that no file name can hold (\" * "
         "? < > |): correct the name"}}},
      {"ClipWithoutFile",
       Install().Ini("File=place.avi", "File="),
       1,
       {{"zthelp.ini", "File=\n",
         "error: [AVI0] has no File: a click on \"Place the page\" plays nothing; name the clip's "
         "file"}}},
      {"ClipFolderOfTheSettingsGone",
       Install().Ini("CallingAppName=ZT Orvex Pro",
                     "CallingAppName=ZT Orvex Pro\nMoviesLastFoundAt=D:\\clips"),
       0,
       {{"zthelp.ini", "MoviesLastFoundAt",
         "warning: the clip folder D:\\clips ([General] MoviesLastFoundAt) cannot be entered, so "
         "the clips were not checked; insert the CD, or name the folder with --clips"}}},
      {"ClipsWhereTheSettingsSay",
       Install()
           .Ini("CallingAppName=ZT Orvex Pro",
                "CallingAppName=ZT Orvex Pro\nMoviesLastFoundAt=C:\\Vantor")
           .Ini("File=select.avi", "File=selct.avi"),
       1,
       {{"zthelp.ini", "File=selct.avi",
         "error: [AVI2] File \"selct.avi\" is not in the clip folder C:\\Vantor\\clips: a click "
         "on the clip brings only messages of the multimedia layer; did you mean "
         "\"select.avi\"?"}}},
      {"NoClipFolderKnown",
       Install()
           .Without("clips\\vantor-clips.id")
           .Without("clips\\place.avi")
           .Without("clips\\preview.avi")
           .Without("clips\\select.avi")
           .Without("clips\\output.avi"),
       0,
       {{"zthelp.ini", "[General]",
         "note: [General] MoviesLastFoundAt is empty, so the video window looks for the clips on "
         "the CD when it first opens; the clips were not checked: vantor-check --clips FOLDER "
         "checks the clips in FOLDER"}}},
      {"SemicolonInsideAText",
       Install().Ini("Instruction1=Pick a clip on the left", "Instruction1=Pick a clip; any clip"),
       0,
       {},
       {"comment"}},
  };
}

// Texts against their place on the window, in the simulated desktop's
// fonts: 11 pixels a character for step names and clip titles (Arial 12
// bold), 7 for the don't-show text (Arial 9), 15 for the instructions.
std::vector<Case> FitCases() {
  const std::string dontShow = "Don't show this page again";
  const std::string insertCD =
      "Insert the CD and click OK, or type the drive or folder that holds the clips.";
  const auto words = [](int n) {
    std::string text = "ABCDEFGHIJ";
    for (int i = 1; i < n; ++i) text += " ABCDEFGHIJ";
    return text;
  };
  return {
      {"StepWordAtTheColumn",
       Install().Measured().Ini("BUTTON=Select area", "BUTTON=Ab ABCDEFGHIJ"),
       0,
       {},
       {"[coachStep2]"}},
      {"StepWordOnePastTheColumn",
       Install().Measured().Ini("BUTTON=Select area", "BUTTON=Ab ABCDEFGHIJK"),
       0,
       {{"zthelp.ini", "BUTTON=Ab ABCDEFGHIJK",
         "warning: [coachStep2] BUTTON has the word \"ABCDEFGHIJK\", 6 pixels wider than the step "
         "column (115 pixels): the word is cut; shorten it or split it with a blank or hyphen"}}},
      {"GermanStepWord",
       Install().Measured().Ini("BUTTON=Select area", "BUTTON=Bildausschnitt w\xE4hlen"),
       0,
       {{"zthelp.ini", "BUTTON=Bildausschnitt",
         "warning: [coachStep2] BUTTON has the word \"Bildausschnitt\", 39 pixels wider than the "
         "step column (115 pixels): the word is cut; shorten it or split it with a blank or "
         "hyphen"}}},
      {"StepNameOfTwoLines",
       Install().Measured().Ini("BUTTON=Select area", "BUTTON=ABCDEFGHIJ ABCDEFGHIJ"),
       0,
       {},
       {"[coachStep2]"}},
      {"StepNameOfThreeLines",
       Install().Measured().Ini("BUTTON=Select area", "BUTTON=ABCDEFGHIJ ABCDEFGHIJ ABCDEFGHIJ"),
       0,
       {{"zthelp.ini", "BUTTON=ABCDEFGHIJ",
         "warning: [coachStep2] BUTTON takes 3 lines of the step column, 9 pixels more than its "
         "label (48 pixels high) shows; shorten it to two lines"}}},
      {"DontShowTextAtItsWidth", Install().Measured({{dontShow, 160}}), 0, {}, {"DontShowLabel"}},
      {"DontShowTextOnePast",
       Install().Measured({{dontShow, 161}}),
       0,
       {{"zthelp.ini", "DontShowLabel=",
         "warning: [frmCoach Text] DontShowLabel \"Don't show this page again\" is 1 pixel wider "
         "than the text beside the check box (160 pixels): its end is cut"}}},
      {"GermanDontShowText",
       Install().Measured().Ini("DontShowLabel=" + dontShow,
                                "DontShowLabel=Diese Seite beim n\xE4"
                                "chsten Mal nicht zeigen"),
       0,
       {{"zthelp.ini", "DontShowLabel=",
         "warning: [frmCoach Text] DontShowLabel \"Diese Seite beim n\xE4"
         "chsten Mal nicht "
         "zeigen\" is 134 pixels wider than the text beside the check box (160 pixels): its end "
         "is cut"}}},
      {"ButtonCaptionAtItsButton", Install().Measured({{"Next >", 76}}), 0, {}, {"NextButton"}},
      {"ButtonCaptionOnePastItsAccessKeyNotDrawn",
       Install().Measured({{"Weiter >", 77}}).Ini("NextButton=Next >", "NextButton=&Weiter >"),
       0,
       {{"zthelp.ini", "NextButton=",
         "warning: [frmCoach Text] NextButton \"&Weiter >\" is 1 pixel wider than its button (76 "
         "pixels): its end is cut"}}},
      {"ClipTitleAtTheColumn", Install().Measured({{"Select the area", 196}}), 0, {}, {"[AVI2]"}},
      {"ClipTitleOnePastTheColumn",
       Install().Measured({{"Select the area", 197}}),
       0,
       {{"zthelp.ini", "BUTTON=Select the area",
         "warning: [AVI2] BUTTON \"Select the area\" is 1 pixel wider than the list column (210 "
         "pixels): the playing clip and the instructions cover its end"}}},
      {"InstructionAtItsRoom",
       Install().Measured({{"Pick a clip on the left", 413}}),
       0,
       {},
       {"Instruction1"}},
      {"InstructionOnePastItsRoom",
       Install().Measured({{"Pick a clip on the left", 414}}),
       0,
       {{"zthelp.ini", "Instruction1=",
         "warning: [frmRUNAVI Text] Instruction1 is 1 pixel wider than the room right of the clip "
         "list (413 pixels): its end is cut; shorten it or the clip titles"}}},
      // The text of page 6 ("original_kind") lays out 145 pixels high over
      // option set 0.
      {"PageTextFitsItsTopicHeight",
       Install().Measured().Ini("topicHeight=180", "topicHeight=145"),
       0,
       {},
       {"short of the text"}},
      {"PageTextOnePixelPastItsTopicHeight",
       Install().Measured().Ini("topicHeight=180", "topicHeight=144"),
       0,
       {{"zthelp.ini", "topicHeight=144",
         "warning: [OptionButtons0] topicHeight 144 is 1 pixel short of the text of "
         "\"original_kind\" on "
         "[coachTopic6]: the user must scroll the page to read it; shorten the text or raise "
         "topicHeight"}}},
      {"PageTextFarPastItsTopicHeight",
       Install().Measured().Ini("topicHeight=180", "topicHeight=60"),
       0,
       {{"zthelp.ini", "topicHeight=60",
         "warning: [OptionButtons0] topicHeight 60 is 85 pixels short of the text of "
         "\"original_kind\" on "
         "[coachTopic6]: the user must scroll the page to read it; shorten the text or raise "
         "topicHeight"}}},
      // The prompt's labels, 336 pixels wide, in lines of 13 pixels (6 a
      // character): five words of ten letters and a word of one to a line.
      // Its first label is 28 pixels high (two lines), the third 42 (three).
      {"PromptLabelOfTwoLines",
       Install().Measured().Ini(
           "NotFoundLabel=The how-to clips could not be found on this computer.",
           "NotFoundLabel=" + words(10) + " A"),
       0,
       {},
       {"NotFoundLabel"}},
      {"PromptLabelOfThreeLines",
       Install().Measured().Ini(
           "NotFoundLabel=The how-to clips could not be found on this computer.",
           "NotFoundLabel=" + words(10) + " AB"),
       0,
       {{"zthelp.ini", "NotFoundLabel=",
         "warning: [frmNoCD Text] NotFoundLabel takes 3 lines, 11 pixels more than its label on "
         "the missing-CD prompt (28 pixels high) shows: its end is cut; shorten it"}}},
      {"PromptLabelOfFourLines",
       Install().Measured().Ini("InsertCDLabel=" + insertCD, "InsertCDLabel=" + words(16)),
       0,
       {{"zthelp.ini", "InsertCDLabel=",
         "warning: [frmNoCD Text] InsertCDLabel takes 4 lines, 10 pixels more than its label on "
         "the missing-CD prompt (42 pixels high) shows: its end is cut; shorten it"}}},
      {"PromptWordAtItsLabel",
       Install()
           .Measured({{"Zusatzinformationen", 336}})
           .Ini("FilesOnCDLabel=They are on the ZT Orvex Pro CD-ROM.",
                "FilesOnCDLabel=Zusatzinformationen"),
       0,
       {},
       {"FilesOnCDLabel"}},
      {"PromptWordOnePastItsLabel",
       Install()
           .Measured({{"Zusatzinformationen", 337}})
           .Ini("FilesOnCDLabel=They are on the ZT Orvex Pro CD-ROM.",
                "FilesOnCDLabel=Zusatzinformationen"),
       0,
       {{"zthelp.ini", "FilesOnCDLabel=",
         "warning: [frmNoCD Text] FilesOnCDLabel has the word \"Zusatzinformationen\", 1 pixel "
         "wider than its label on the missing-CD prompt (336 pixels): the word is cut; shorten "
         "it"}}},
      {"BrowseCaptionOnePastItsButton",
       Install()
           .Measured({{"Durchsuchen", 68}})
           .Ini("[frmNoCD Text]", "[frmNoCD Text]\nBrowseButton=&Durchsuchen"),
       0,
       {{"zthelp.ini", "BrowseButton=",
         "warning: [frmNoCD Text] BrowseButton \"&Durchsuchen\" is 1 pixel wider than its "
         "button (67 pixels): its end is cut"}}},
      {"OptionsEndAtTheBand",
       Install().Measured().Ini("topicHeight=180", "topicHeight=162"),
       0,
       {},
       {"OptionButtonText"}},
      {"OptionsEndOnePastTheBand",
       Install().Measured().Ini("topicHeight=180", "topicHeight=163"),
       0,
       {{"zthelp.ini", "OptionButtonText6=",
         "warning: [OptionButtons0] OptionButtonText6 \"A chart, map or logo in a few flat "
         "colours\" ends 1 pixel below the band above the check box: it is cut; shorten it, or "
         "lower topicHeight"}}},
  };
}

class CheckCase : public ::testing::TestWithParam<Case> {};

TEST_P(CheckCase, PrintsTheExpectedLines) {
  const Case& c = GetParam();
  const CheckReport report = c.install.Run();
  const std::vector<std::string> lines = Lines(report);
  for (const Expected& e : c.expected)
    EXPECT_THAT(lines, ::testing::Contains(LineText(c.install, e)));
  for (const std::string& text : c.without)
    EXPECT_THAT(lines, ::testing::Each(::testing::Not(::testing::HasSubstr(text))));
  EXPECT_EQ(report.status, c.status) << ::testing::PrintToString(lines);
}

INSTANTIATE_TEST_SUITE_P(Mistakes, CheckCase, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Fit, CheckCase, ::testing::ValuesIn(FitCases()),
                         [](const auto& info) { return info.param.name; });

TEST(Check, ClipsInTheFolderGivenAreOpenedThereAndClosed) {
  sim::FakeMciDevice* device = nullptr;
  Install install;
  install.Change([&](sim::SimDrives& drives, sim::FakeMciDevice& mci) {
    device = &mci;
    drives.AddDrive('e', DriveKind::CdRom, "SCANCD01");
    drives.PutFile("E:\\clips\\vantor-clips.id", "");
    drives.PutFile("E:\\clips\\place.avi", AviHead("mrle", "\x01"));
    mci.AddClip("E:\\clips\\place.avi", 320, 240, 5000);
  });
  check::CheckOptions options;
  options.clipFolder = "e:";  // a drive alone: the clips are looked for in relativePath on it
  const std::vector<std::string> lines = Lines(install.Run(options));
  EXPECT_THAT(lines, ::testing::Contains(::testing::StartsWith(
                         "zthelp.ini:" + std::to_string(LineOf(install.ini, "File=preview.avi")) +
                         ": error: [AVI1] File \"preview.avi\" is not in the clip folder "
                         "e:\\clips")));
  EXPECT_THAT(lines, ::testing::Not(::testing::Contains(::testing::HasSubstr("place.avi"))));
}

TEST(Check, VideoFormatIsNamedFromTheAviHeader) {
  struct Row {
    std::string head;
    std::string format;
  };
  const Row rows[] = {
      {SampleFile("clips/place.avi").substr(0, 4096), "mrle, RLE8"},
      {AviHead("FMP4", "FMP4"), "FMP4"},
      {AviHead("cvid", "cvid"), "cvid"},
      {AviHead("    ", std::string(4, '\0')), "uncompressed"},
      {AviHead("mrle", "\x01").substr(0, 60), "unknown"},  // cut before the format
      {"RIFF\x04\0\0\0WAVE", "unknown"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(check::VideoFormatName(check::ReadAviVideo(row.head)), row.format) << row.format;
  EXPECT_FALSE(check::ReadAviVideo("RIFF\x04\0\0\0WAVE").riffAvi);
  const check::AviVideo sample = check::ReadAviVideo(SampleFile("clips/place.avi"));
  EXPECT_EQ(sample.width, 320);
  EXPECT_EQ(sample.height, 240);
}

TEST(Check, NearNamesAreALetterOrTwoOff) {
  struct Row {
    std::string written;
    std::string meant;  // empty: taken as some other program's section
  };
  const Row rows[] = {
      {"coachTopc3", "coachTopic3"},
      {"AVI 0", "AVI0"},
      {"coachTopic03", "coachTopic3"},
      {"Genral", "General"},
      {"frmCoachText", "frmCoach Text"},
      {"All  Forms Text", "All Forms Text"},
      {"OptionButton1", "OptionButtons1"},
      {"coachTopic3", ""},
      {"HelpObject", ""},
      {"coachToppic", ""},
      {"AVI", ""},
      {"AVIPosition", ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(check::NearSectionName(row.written), row.meant) << row.written;
  // Two letters off a long name is near; three is not.
  EXPECT_EQ(check::NameDistance("coachTopic", "caochTpic"), 2);
  EXPECT_EQ(check::NearSectionName("cachTpic1"), "coachTopic1");
  EXPECT_EQ(check::NearSectionName("cahTpic1"), "");
}

TEST(Check, FindingsPrintAsCompilersPrintThemAndAsJson) {
  const std::vector<check::Finding> findings = {
      {"zthelp.ini", 12, check::Severity::Error, "topic-id", "[coachTopic3] TopicID \"a\\b\""},
      {"mvback37.bmp", 0, check::Severity::Warning, "pictures", "is missing"},
      {"Vantor.m14", 3, check::Severity::Note, "title-topic", "tab\there"},
  };
  EXPECT_EQ(check::FindingLine(findings[0]),
            "zthelp.ini:12: error: [coachTopic3] TopicID \"a\\b\"");
  EXPECT_EQ(check::FindingLine(findings[1]), "mvback37.bmp: warning: is missing");
  EXPECT_EQ(check::SummaryLine(findings), "1 error, 1 warning, 1 note");
  EXPECT_EQ(check::SummaryLine({}), "0 errors, 0 warnings, 0 notes");
  EXPECT_EQ(check::FindingsJson({}, [](const std::string& s) { return s; }), "[]");
  EXPECT_EQ(check::FindingsJson(findings, [](const std::string& s) { return s; }),
            "[\n"
            "  {\"file\": \"zthelp.ini\", \"line\": 12, \"severity\": \"error\", \"check\": "
            "\"topic-id\", \"message\": \"[coachTopic3] TopicID \\\"a\\\\b\\\"\"},\n"
            "  {\"file\": \"mvback37.bmp\", \"line\": 0, \"severity\": \"warning\", \"check\": "
            "\"pictures\", \"message\": \"is missing\"},\n"
            "  {\"file\": \"Vantor.m14\", \"line\": 3, \"severity\": \"note\", \"check\": "
            "\"title-topic\", \"message\": \"tab\\there\"}\n"
            "]");
  // Text in the code page goes out as UTF-8.
  sim::Windows1252 codePage;
  const std::vector<check::Finding> german = {
      {"zthelp.ini", 1, check::Severity::Error, "x", "f\xFCr \x80"}};
  EXPECT_THAT(check::FindingsJson(german, [&](const std::string& s) { return codePage.ToUtf8(s); }),
              ::testing::HasSubstr("\"f\xC3\xBCr \xE2\x82\xAC\""));
}

TEST(Check, EveryFindingNamesACheckOfTheList) {
  std::vector<std::string> names;
  for (const auto& kind : check::CheckKinds()) names.push_back(kind.name);
  for (const Case& c : Cases())
    for (const auto& finding : c.install.Run().findings)
      EXPECT_THAT(names, ::testing::Contains(finding.check)) << c.name;
}

TEST(Check, ReadsAnythingAsTheProgramDoes) {
  // Files that are no settings file or help title at all: the checker
  // finishes and says what it can, as the program shows what it can.
  std::string junk;
  for (int i = 0; i < 20000; ++i) junk += static_cast<char>((i * 7919 + i / 13) & 0xFF);
  const std::string inputs[] = {
      "",
      junk,
      "\xFF\xFE[\0",                            // UTF-16 cut in the middle of a unit
      "\xEF\xBB\xBF",                           // a signature alone
      "\xEF\xBB\xBF[AVI0]\r\nBUTTON=\xF0\x9F",  // cut inside a letter
      "[coachTopic99999999999]\nTopicID=x\n[OptionButtons]\nnumOBSets=2000000000"};
  for (const std::string& text : inputs) {
    Install install;
    install.ini = text;
    install.title = text;
    const CheckReport report = install.Run();
    EXPECT_NE(report.status, check::kUnreadable);
  }
}

TEST(Check, AFileOfTheSameStemIsNotTakenForTheSettings) {
  Install install;
  install.Without("zthelp.ini").Change([](sim::SimDrives& drives, sim::FakeMciDevice&) {
    drives.PutFile("C:\\Vantor\\zthelp.dll", "MZ");
  });
  const CheckReport report = install.Run();
  EXPECT_EQ(report.status, check::kUnreadable);
  EXPECT_THAT(Lines(report), ::testing::ElementsAre(::testing::StartsWith("zthelp.ini: error: ")));
}

TEST(Check, ATranslationInAnotherAlphabetNamesTwentyLinesAndCountsTheRest) {
  // One Cyrillic text a line: twenty lines are named one by one, and the
  // lines past them are counted in one last finding.
  for (const int lines : {20, 21}) {
    Install install;
    std::string texts;
    for (int i = 0; i < lines; ++i) texts += "Instruction" + std::to_string(i) + "=\xD0\x96\n";
    install.Ini("[frmRUNAVI Text]\n", "[frmRUNAVI Text]\n" + texts);
    install.ini = "\xEF\xBB\xBF" + install.ini;
    const CheckReport report = install.Run();
    const auto found = std::count_if(report.findings.begin(), report.findings.end(),
                                     [](const auto& f) { return f.check == "encoding"; });
    EXPECT_EQ(found, 20 + (lines > 20 ? 1 : 0)) << lines;
    const std::string last =
        "zthelp.ini:" +
        std::to_string(LineOf(install.ini, "Instruction" + std::to_string(lines - 1) + "=")) +
        ": error: ";
    EXPECT_THAT(
        Lines(report),
        ::testing::Contains(
            lines == 20 ? last + "[frmRUNAVI Text] Instruction19 holds U+0416, a letter that "
                                 "the system's code page 1252 lacks: Vantor reads it as "
                                 "\"?\". Write this text with the letters of code page "
                                 "1252, or install on a system whose code page has them"
                        : last + "1 more line up to this one holds letters that code page "
                                 "1252 lacks"))
        << lines;
  }
}

}  // namespace
}  // namespace vantor::testing

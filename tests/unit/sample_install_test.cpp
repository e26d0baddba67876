// The sample installation: its zthelp.ini holds a whole coached scan that
// the coach window can show, and its help title has the text of every page.
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "coach_fixture.h"
#include "settings/ini_text.h"
#include "topics/help_title.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

std::string SampleFile(const std::string& name) {
  std::ifstream file(std::string(VANTOR_SAMPLE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

const std::string& SampleIni() {
  static const std::string text = SampleFile("zthelp.ini");
  return text;
}

std::string Read(const std::string& section, const std::string& key) {
  return ini::ReadString(SampleIni(), section, key).value_or("");
}

int ReadInt(const std::string& section, const std::string& key, int fallback) {
  return ini::ReadInt(SampleIni(), section, key, fallback);
}

std::string TopicSection(int n) { return "coachTopic" + std::to_string(n); }
std::string StepSection(int n) { return "coachStep" + std::to_string(n); }
std::string SetSection(int n) { return "OptionButtons" + std::to_string(n); }

// The numbered lists as the coach reads them: up to the first empty entry,
// and never past the 16-bit numbers the coach counts them in.
constexpr int kMostEntries = 32768;

std::vector<std::string> TopicIds() {
  std::vector<std::string> ids;
  for (int n = 0; n < kMostEntries && !Read(TopicSection(n), "TopicID").empty(); ++n)
    ids.push_back(Read(TopicSection(n), "TopicID"));
  return ids;
}

int StepCount() {
  int n = 0;
  while (n < kMostEntries && !Read(StepSection(n), "BUTTON").empty()) ++n;
  return n;
}

TEST(SampleInstall, EveryPageOfTheTaskHasItsTextInTheHelpTitle) {
  const topics::HelpTitle title = topics::HelpTitle::Parse(SampleFile("Vantor.m14"));
  for (const topics::Topic& topic : title.Topics()) {
    EXPECT_EQ(title.Find(topic.id), &topic) << "a second @topic " << topic.id << " never shows";
    EXPECT_FALSE(topic.blocks.empty()) << "@topic " << topic.id << " has no text";
  }
  const std::vector<std::string> ids = TopicIds();
  ASSERT_FALSE(ids.empty());
  for (const std::string& id : ids) EXPECT_NE(title.Find(id), nullptr) << id;
}

TEST(SampleInstall, TheTaskFitsTheCoachWindowAndKeepsTheFixedTopicsInPlace) {
  const int topics = static_cast<int>(TopicIds().size());
  ASSERT_GT(topics, 8) << "topics 2, 4, 6, 7 and 8 act on the scanning application";

  const int steps = StepCount();
  EXPECT_GE(steps, 2);
  EXPECT_LE(steps, 6);
  EXPECT_EQ(ReadInt(StepSection(0), "StartTopic", -1), 0);
  for (int s = 1; s < steps; ++s) {
    EXPECT_GT(ReadInt(StepSection(s), "StartTopic", -1),
              ReadInt(StepSection(s - 1), "StartTopic", -1))
        << s;
    EXPECT_LT(ReadInt(StepSection(s), "StartTopic", -1), topics) << s;
  }

  const int sets = ReadInt("OptionButtons", "numOBSets", 0);
  const int buttons = ReadInt("OptionButtons", "maxOptionButtons", 0);
  EXPECT_LE(buttons, 9);
  // The options the scanning actions can select on topics 6, 7 and 8.
  const std::map<int, int> optionsNeeded = {{6, 7}, {7, 5}, {8, 8}};
  for (int t = 0; t < topics; ++t) {
    const bool doIt = t == 2 || t == 4 || t == 8;
    EXPECT_EQ(Read(TopicSection(t), "DoItButton").empty(), !doIt) << "topic " << t;
    EXPECT_EQ(ReadInt(TopicSection(t), "Back", 0), t == 0 ? 0 : -1) << "topic " << t;
    const int set = ReadInt(TopicSection(t), "OptionButtonSet", -1);
    const auto needed = optionsNeeded.find(t);
    if (needed == optionsNeeded.end()) {
      EXPECT_EQ(set, -1) << "topic " << t;
      continue;
    }
    ASSERT_GE(set, 0) << "topic " << t;
    ASSERT_LT(set, sets) << "topic " << t;
    ASSERT_GE(buttons, needed->second);
    for (int b = 0; b < needed->second; ++b)
      EXPECT_FALSE(Read(SetSection(set), "OptionButtonText" + std::to_string(b)).empty())
          << "topic " << t << " option " << b;
  }
}

// Rows start half a pitch under the pane, one 20-pixel pitch apart (Arial 10
// is 16 pixels high at 96 dots per inch); a caption wider than its row takes
// a second line. The band of the check box starts at 370.
TEST(SampleInstall, OptionRowsEndAboveTheCheckBoxBandEvenWithOneCaptionWrapped) {
  const int sets = ReadInt("OptionButtons", "numOBSets", 0);
  const int buttons = ReadInt("OptionButtons", "maxOptionButtons", 0);
  ASSERT_GT(sets, 0);
  for (int s = 0; s < sets; ++s) {
    const int height = ReadInt(SetSection(s), "topicHeight", 0);
    EXPECT_GE(height, 150) << "set " << s << " leaves the page too little room for text";
    int last = -1;
    for (int b = 0; b < buttons; ++b)
      if (!Read(SetSection(s), "OptionButtonText" + std::to_string(b)).empty()) last = b;
    ASSERT_GE(last, 0) << "set " << s;
    const int buttonTop = height + 10 + 20 * last;
    EXPECT_LE(buttonTop + 14 + 16, 370) << "set " << s;
  }
}

TEST(SampleInstall, EveryWindowTextIsFilledIn) {
  const std::map<std::string, std::vector<std::string>> texts = {
      {"frmCoach Text",
       {"Title", "DoItButton", "NextButton", "NextButtonToolTip", "FinishButton",
        "FinishButtonToolTip", "BackButton", "BackButtonToolTip", "CancelButton",
        "CancelButtonToolTip", "DontShowLabel"}},
      {"frmRUNAVI Text",
       {"Title", "QuitButton", "QuitButtonToolTip", "StopButtonToolTip", "StartButtonToolTip",
        "PauseButtonToolTip", "Instruction1", "Instruction2"}},
      {"frmChoice Text", {"Title", "Question"}},
      {"frmNoCD Text", {"Title", "NotFoundLabel", "FilesOnCDLabel", "InsertCDLabel"}},
      {"frmScanning Text", {"Title", "PreviewScanMessage"}},
      {"All Forms Text", {"OKButton", "CancelButton"}},
  };
  for (const auto& [section, keys] : texts)
    for (const std::string& key : keys)
      EXPECT_FALSE(Read(section, key).empty()) << "[" << section << "] " << key;
}

class SampleWalkThrough : public CoachTest {
 protected:
  void OpenSample() {
    WriteIni(SampleIni());
    coach = std::make_unique<frmCoach>(program);
    coach->Load();
    sim.helpHost.previewDoneForced = true;
  }
  // The caption of the option marked on the current topic; empty when none
  // is marked or the marked one is not shown.
  std::string MarkedCaption() {
    const int marked = MarkedOption();
    if (marked < 0 || !C(kOptionLabel[marked]).visible) return "";
    return C(kOptionLabel[marked]).text;
  }
  void GoToStep(int step) { Window().Click(kStepText[step]); }
};

TEST_F(SampleWalkThrough, NextShowsEveryPageInTurnAndEndsWithFinish) {
  OpenSample();
  std::vector<std::string> shown = {C(kPane).pane.topic};
  StepUntil([&] { return Topic() >= program.coach.LastVisibleTopic; },
            [&] {
              Next();
              shown.push_back(C(kPane).pane.topic);
            });
  EXPECT_EQ(shown, TopicIds());
  EXPECT_EQ(program.coach.CurrentStep, StepCount() - 1);
  EXPECT_EQ(C(kNext).text, Read("frmCoach Text", "FinishButton"));
  EXPECT_TRUE(Ends([&] { Next(); }));
}

// Every answer on topics 6 and 7, and every output type the scanning
// application may report, marks an output type on topic 8 that the page
// shows with its caption.
TEST_F(SampleWalkThrough, EveryAnswerLeadsToACaptionedOutputType) {
  OpenSample();
  const int chooseType = 3;  // the step that starts at topic 6
  ASSERT_EQ(ReadInt(StepSection(chooseType), "StartTopic", -1), 6);
  for (const std::int32_t reported : {0, 2, 3, 5, 10}) {
    sim.helpHost.outputType = reported;
    GoToStep(chooseType);
    EXPECT_FALSE(MarkedCaption().empty()) << "output type " << reported;
  }
  for (int kind = 0; kind < 7; ++kind) {
    for (int use = 0; use < 5; ++use) {
      GoToStep(chooseType);
      Window().Click(kOptionLabel[kind]);
      Next();
      Window().Click(kOptionLabel[use]);
      Next();
      ASSERT_EQ(Topic(), 8);
      EXPECT_FALSE(MarkedCaption().empty()) << "kind " << kind << ", use " << use;
    }
  }
}

}  // namespace
}  // namespace vantor::testing

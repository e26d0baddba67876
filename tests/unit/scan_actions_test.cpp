// What the fixed topics do to the scanning application: the option
// mappings of topics 6, 7 and 8, the preview scan and its progress window,
// the selection wait, and a help object that is missing or failing.
#include "coach/scan_actions.h"

#include <gmock/gmock.h>

#include "coach_fixture.h"
#include "dialogs/frm_scanning.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ScanActionsTest : public CoachTest {
 protected:
  // While the progress window is up: the frames it shows, tick by tick,
  // and how long it stayed.
  void WatchProgressWindow() {
    sim.OnModal("frmScanning", [this](sim::SimFormHost& window) {
      const long long opened = sim.nowMs();
      EXPECT_EQ(window.Caption(), "Scanning");
      std::string shown = window.Control(scanning_controls::kFrame).picture;
      while (!window.destroyed() && sim.nowMs() - opened < 60000) {
        sim.Advance(kScanTickMs);
        const std::string now = window.Control(scanning_controls::kFrame).picture;
        if (!window.destroyed() && now != shown) frames.push_back(now.back() - '0');
        shown = now;
      }
      progressMs = sim.nowMs() - opened;
      lastPicture = window.Control(scanning_controls::kFrame).picture;
    });
  }
  void DoIt() { Window().Click(kDoIt); }
  void Choose(int option) { Window().Click(kOptionLabel[option]); }

  std::vector<int> frames;
  long long progressMs = -1;
  std::string lastPicture = "(never shown)";
};

// The output type topic 6 reads back selects an option there, which
// preselects on topic 8 the option that writes that same type.
TEST_F(ScanActionsTest, OutputTypesGoRoundThroughTopicsSixAndEight) {
  const struct {
    std::int32_t outputType;
    int atTopic6;
    int atTopic8;
  } cases[] = {{0, 0, 2}, {2, 1, 3}, {3, 6, 7}, {5, 5, 1}, {10, 4, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outputType);
    sim::SimPlatform desktop;
    desktop.helpHost.outputType = c.outputType;
    desktop.helpHost.previewDoneForced = true;
    Program run(desktop);
    run.settings.LocateSettingsFile();
    desktop.WriteFile(IniPath(), ScanTask().Text());
    frmCoach window(run);
    window.Load();
    sim::SimFormHost& host = *desktop.FindForm("frmCoach");
    StepUntil([&] { return run.coach.CurrentTopic >= 6; }, [&] { host.Click(kNext); });
    EXPECT_EQ(run.coach.SelectedOption, c.atTopic6);
    host.Click(kNext);
    host.Click(kNext);
    EXPECT_EQ(run.coach.SelectedOption, c.atTopic8);
    desktop.helpHost.calls.clear();
    host.Click(kDoIt);
    EXPECT_THAT(desktop.helpHost.calls,
                ElementsAre("put OutputType I4 " + std::to_string(c.outputType)));
  }
}

TEST_F(ScanActionsTest, EveryOptionOfTopicEightWritesItsTypeInOrder) {
  const std::vector<std::vector<std::string>> writes = {
      {"put OutputType I4 10"},
      {"put OutputType I4 5"},
      {"put OutputType I4 0"},
      {"put OutputType I4 2"},
      {"put PaletteType I2 2", "put OutputType I4 15", "put PaletteType I4 0"},
      {"put PaletteType I2 1", "put OutputType I4 15", "put PaletteType I4 0"},
      {"put PaletteType I2 3", "put OutputType I4 15", "put PaletteType I4 0"},
      {"put OutputType I4 3"}};
  OpenCoach();
  NextTo(8);
  for (int option = 0; option < 8; ++option) {
    sim.helpHost.calls.clear();
    Choose(option);
    DoIt();
    EXPECT_EQ(sim.helpHost.calls, writes[option]) << "option " << option;
  }
}

TEST_F(ScanActionsTest, TopicSevenDecidesWhenTopicSixLeavesItOpen) {
  OpenCoach();
  NextTo(6);
  const int atTopic8[] = {0, 1, 5, 4};
  for (int colours = 0; colours < 4; ++colours) {
    Choose(3);
    Next();
    Choose(colours);
    Next();
    EXPECT_EQ(MarkedOption(), atTopic8[colours]) << "colours " << colours;
    Back();
    Back();
  }
}

TEST_F(ScanActionsTest, OptionSixOfTopicSixAndOptionFourOfTopicSevenGoTogether) {
  OpenCoach();
  NextTo(6);
  EXPECT_EQ(MarkedOption(), 0);  // output type 0 on the host
  Choose(6);
  Next();
  EXPECT_EQ(MarkedOption(), 4);
  Choose(1);
  Back();
  EXPECT_EQ(program.scan.ChoiceAtTopic7, 1);
  EXPECT_EQ(MarkedOption(), 6);  // the host did not change: the last choice
  Choose(2);
  Next();
  EXPECT_EQ(MarkedOption(), 1);  // leaving 6 without option 6 keeps topic 7's
  Choose(4);
  Back();
  EXPECT_EQ(MarkedOption(), 6);  // option 4 on topic 7 chose 6 on topic 6
}

// Back on topic 6 after option 2 there: a change of either value on the host
// marks the option of the host's output type, and is remembered.
TEST_F(ScanActionsTest, AChangeOnTheHostWinsOverTheLastChoice) {
  OpenCoach();
  NextTo(6);
  const struct {
    std::int32_t palette, output;
    int marked;
  } returns[] = {{7, 0, 0}, {7, 5, 5}, {3, 2, 1}, {3, 2, 2}};  // palette, output, both, none
  for (const auto& r : returns) {
    SCOPED_TRACE(::testing::Message() << r.palette << "/" << r.output);
    Choose(2);
    Next();
    sim.helpHost.paletteType = r.palette;
    sim.helpHost.outputType = r.output;
    Back();
    EXPECT_EQ(MarkedOption(), r.marked);
    EXPECT_EQ(program.scan.LastPaletteType, r.palette);
    EXPECT_EQ(program.scan.LastOutputType, r.output);
  }
}

TEST_F(ScanActionsTest, RememberedValuesAreZeroDuringTheFirstTopicAndMinusOneAfter) {
  IniText task = ScanTask();
  for (int t = 0; t < 6; ++t) task.Set("coachTopic" + std::to_string(t), "HideTopic", "1");
  OpenCoach(task);
  EXPECT_EQ(Topic(), 6);
  // Output type and palette 0 matched the remembered zeros: no second read,
  // and choice 0 from the remembered values.
  EXPECT_THAT(sim.helpHost.calls, ElementsAre("get OutputType -> 0", "get PaletteType -> 0"));
  EXPECT_EQ(MarkedOption(), 0);
  EXPECT_EQ(program.scan.ChoiceAtTopic6, -1);
  EXPECT_EQ(program.scan.ChoiceAtTopic7, -1);
  EXPECT_EQ(program.scan.LastOutputType, -1);
  EXPECT_EQ(program.scan.LastPaletteType, -1);
  Next();
  EXPECT_EQ(MarkedOption(), 0);  // first visit to topic 7
}

TEST_F(ScanActionsTest, NextFromTopicTwoWaitsForThePreviewScan) {
  WatchProgressWindow();
  sim.helpHost.previewDelayMs = 2000;
  OpenCoach();
  Next();
  Next();
  sim.helpHost.calls.clear();
  Next();
  EXPECT_EQ(Topic(), 3);
  EXPECT_EQ(HostCalls("call").size(), 1u);
  EXPECT_THAT(frames, ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 0));
  EXPECT_EQ(progressMs, 2000);
  EXPECT_EQ(program.scan.ScanFrame, 1);

  // Back on topic 2, the finished preview lets Next go straight on.
  Back();
  sim.helpHost.calls.clear();
  Next();
  EXPECT_THAT(sim.helpHost.calls, ElementsAre("get PreviewDone -> -1"));
}

TEST_F(ScanActionsTest, DoItOnTopicTwoScansAgainFromTheFrameLeftOver) {
  WatchProgressWindow();
  OpenCoach();
  NextTo(2);
  program.scan.ScanFrame = 5;
  sim.helpHost.previewDoneForced = false;
  sim.helpHost.previewDelayMs = 600;
  DoIt();
  EXPECT_THAT(frames, ElementsAre(5, 6));
  EXPECT_EQ(progressMs, 600);
}

TEST_F(ScanActionsTest, AFinishedPreviewClosesTheProgressWindowAtTheFirstTick) {
  WatchProgressWindow();
  OpenCoach();
  NextTo(2);
  DoIt();
  EXPECT_THAT(frames, IsEmpty());
  EXPECT_EQ(progressMs, 200);
  EXPECT_EQ(lastPicture, "");
}

TEST_F(ScanActionsTest, TopicFourWaitsForASelectionThenZooms) {
  OpenCoach();
  NextTo(4);
  EXPECT_FALSE(C(kDoIt).enabled);
  EXPECT_TRUE(C(kSelectionTimer).timerEnabled);
  sim.Advance(1000);
  EXPECT_FALSE(C(kDoIt).enabled);
  sim.helpHost.selectionValid = true;
  sim.Advance(200);
  EXPECT_TRUE(C(kDoIt).enabled);
  EXPECT_TRUE(C(kNext).enabled);
  EXPECT_FALSE(C(kSelectionTimer).timerEnabled);
  sim.helpHost.calls.clear();
  DoIt();
  EXPECT_THAT(sim.helpHost.calls, ElementsAre("call ZoomScan"));

  sim.helpHost.selectionValid = false;
  Back();
  Next();
  EXPECT_TRUE(C(kSelectionTimer).timerEnabled);
  Next();  // leaving topic 4 ends the wait
  EXPECT_FALSE(C(kSelectionTimer).timerEnabled);
}

TEST_F(ScanActionsTest, WithoutTheHelpObjectTheWalkGoesOnQuietly) {
  sim.helpHost.registered = false;
  WatchProgressWindow();
  OpenCoach();
  int markedOnTopic6 = -3;
  StepUntil([&] { return Topic() >= 9; },
            [&] {
              if (Topic() == 6) markedOnTopic6 = MarkedOption();
              if (C(kDoIt).visible) DoIt();
              Next();
            });
  EXPECT_EQ(progressMs, 200);     // Do It on topic 2: closed at the first tick
  EXPECT_EQ(markedOnTopic6, -1);  // no output type to go by
  EXPECT_TRUE(sim.helpHost.calls.empty());
  EXPECT_FALSE(C(kSelectionTimer).timerEnabled);
}

TEST_F(ScanActionsTest, AFailingPreviewAnswerClosesTheProgressWindow) {
  WatchProgressWindow();
  OpenCoach();
  NextTo(2);
  sim.helpHost.previewDoneForced = false;
  sim.helpHost.failing = {"PreviewDone"};
  DoIt();
  EXPECT_EQ(progressMs, 200);
  EXPECT_THAT(HostCalls("call"), ElementsAre("call PreviewScan"));
}

TEST_F(ScanActionsTest, HelpOpensTopic82ForTheCoachWindow) {
  OpenCoach();
  Window().Click(kHelp);
  char expected[64];
  std::snprintf(expected, sizeof expected, "OpenTopic hwnd=0x%08llX window=yes topic=82",
                static_cast<unsigned long long>(Window().Handle()));
  EXPECT_THAT(HostCalls("OpenTopic"), ElementsAre(expected));
  sim.helpHost.libraryPresent = false;
  Window().Click(kHelp);
  EXPECT_EQ(HostCalls("OpenTopic").size(), 1u);
}

}  // namespace
}  // namespace vantor::testing

// The task model: moves over topics and steps, hidden topics, the
// don't-show box and the step label marks, and tasks past the window's
// limits.
#include <gmock/gmock.h>

#include "coach/task_model.h"
#include "coach_fixture.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(CoachTest, NextAndBackFollowTheSteps) {
  OpenCoach();
  EXPECT_EQ(Topic(), 0);
  EXPECT_FALSE(C(kBack).enabled);
  EXPECT_THAT(GreenSteps(), IsEmpty());  // step 0 has no label
  Next();
  Next();
  EXPECT_EQ(Topic(), 2);
  EXPECT_EQ(program.coach.CurrentStep, 1);
  EXPECT_THAT(GreenSteps(), ElementsAre(1));
  NextTo(5);
  EXPECT_EQ(program.coach.CurrentStep, 2);
  EXPECT_THAT(GreenSteps(), ElementsAre(2));
  Back();
  EXPECT_EQ(Topic(), 4);
  EXPECT_EQ(program.coach.PreviousTopic, 5);
  EXPECT_THAT(GreenSteps(), ElementsAre(1));
  EXPECT_EQ(C(kPane).pane.topic, "T4");
  EXPECT_EQ(C(kNext).text, "Next >");
  EXPECT_EQ(C(kNext).toolTip, "Go on");
}

TEST_F(CoachTest, HiddenTopicsArePassedOverBothWays) {
  OpenCoach(ScanTask().Set("coachTopic3", "HideTopic", "1").Set("coachTopic4", "HideTopic", "1"));
  NextTo(2);
  Next();
  EXPECT_EQ(Topic(), 5);
  Back();
  EXPECT_EQ(Topic(), 2);
}

TEST_F(CoachTest, FinishOnTheLastVisibleTopicEndsTheProgram) {
  OpenCoach();
  NextTo(9);
  EXPECT_EQ(C(kNext).text, "Finish");
  EXPECT_EQ(C(kNext).toolTip, "All done");
  EXPECT_TRUE(Ends([&] { Next(); }));
  EXPECT_EQ(Ini("CoachPosition", "left"), "");
}

TEST_F(CoachTest, TickingTheBoxOnTheLastTopicLeavesFinishDoingNothing) {
  OpenCoach();
  NextTo(9);
  Window().Click(kDontShowBox);
  EXPECT_EQ(C(kDontShowBox).picture, "ico_chk_on");
  EXPECT_EQ(program.coach.LastVisibleTopic, 8);
  EXPECT_EQ(C(kNext).text, "Finish");
  EXPECT_FALSE(Ends([&] { Next(); }));
  EXPECT_EQ(Topic(), 9);
}

TEST_F(CoachTest, TickedBoxAndBackWriteHideTopicTwiceAndStayHidden) {
  OpenCoach();
  NextTo(5);
  ASSERT_TRUE(C(kDontShowBox).visible);
  Window().Click(kDontShowLabel);  // the box's text acts as the box
  Back();
  int writes = 0;
  for (const std::string& w : sim.writes) writes += w == "coachTopic5/HideTopic=1";
  EXPECT_EQ(writes, 2);
  Next();
  EXPECT_EQ(Topic(), 6);

  // A later run passes over it too.
  Program later(sim);
  later.settings.LocateSettingsFile();
  frmCoach again(later);
  again.Load();
  EXPECT_EQ(later.coach.topics[5].hidden, true);
}

TEST_F(CoachTest, UntickingTheBoxWritesZeroAndShowsTheTopicAgain) {
  OpenCoach();
  NextTo(3);
  Window().Click(kDontShowBox);
  Window().Click(kDontShowBox);
  EXPECT_EQ(Ini("coachTopic3", "HideTopic"), "0");
  EXPECT_EQ(C(kDontShowBox).picture, "ico_chk_off");
  EXPECT_EQ(program.coach.topics[3].hidden, false);
}

TEST_F(CoachTest, DoItFollowsTheTopicsText) {
  OpenCoach();
  EXPECT_FALSE(C(kDoIt).visible);
  NextTo(2);
  EXPECT_TRUE(C(kDoIt).visible);
  EXPECT_TRUE(C(kDoIt).enabled);
  EXPECT_EQ(C(kDoIt).toolTip, "Do it on 2");
  EXPECT_EQ(C(kDoIt).text, "Do It");  // the caption stays the window's
}

TEST_F(CoachTest, StepClickShowsAHiddenStartTopicUnticked) {
  OpenCoach(ScanTask().Set("coachTopic5", "HideTopic", "1"));
  Window().Click(kStepNum[2]);
  EXPECT_EQ(Topic(), 5);
  EXPECT_EQ(program.coach.CurrentStep, 2);
  EXPECT_EQ(program.coach.DontShowChecked, 0);
  EXPECT_EQ(C(kDontShowBox).picture, "ico_chk_off");
  EXPECT_THAT(GreenSteps(), ElementsAre(2));
}

TEST_F(CoachTest, HoverMarksFollowThePointer) {
  OpenCoach();
  NextTo(2);
  Window().MouseMove(kStepText[2]);
  EXPECT_THAT(GreenSteps(), ElementsAre(1, 2));
  Window().MouseMove(kClearStrip);
  EXPECT_THAT(GreenSteps(), ElementsAre(1));
  Window().MouseMove(kStepNum[1]);
  Window().MouseMove(kBar);  // the button bar leaves the mark alone
  EXPECT_THAT(GreenSteps(), ElementsAre(1));
}

TEST_F(CoachTest, ATaskOfOneStepShowsAndMarksNoStepLabel) {
  OpenCoach(ScanTask().Set("coachStep1", "BUTTON", ""));
  EXPECT_EQ(program.coach.StepCount(), 1);
  for (int i = 0; i < kMaxSteps; ++i) EXPECT_FALSE(C(kStepNum[i]).visible);
  Window().MouseMove(kStepText[1]);
  EXPECT_THAT(GreenSteps(), IsEmpty());
  for (int i = 1; i < kMaxSteps; ++i) EXPECT_EQ(C(kStepText[i]).design.foreColor, 0x808080u);
}

TEST_F(CoachTest, AMovePastAWholeHiddenStepMovesTheMarkByOne) {
  // Step 1 covers topics 2 to 4, all hidden; step 2 starts at 5.
  OpenCoach(ScanTask()
                .Set("coachTopic2", "HideTopic", "1")
                .Set("coachTopic3", "HideTopic", "1")
                .Set("coachTopic4", "HideTopic", "1"));
  Next();
  Next();
  EXPECT_EQ(Topic(), 5);
  EXPECT_EQ(program.coach.CurrentStep, 1);
  Next();
  EXPECT_EQ(program.coach.CurrentStep, 2);
}

// --- Tasks past what the window can show. ---

TEST_F(CoachTest, StepsBeyondTheSixLabelsAreNotLoaded) {
  IniText ini = ScanTask();
  for (int s = 3; s < 8; ++s)
    ini.Set("coachStep" + std::to_string(s), "BUTTON", "S" + std::to_string(s))
        .Set("coachStep" + std::to_string(s), "StartTopic", std::to_string(s + 3));
  OpenCoach(ini);
  EXPECT_EQ(program.coach.StepCount(), 6);
  EXPECT_EQ(C(kStepText[5]).text, "S5");
  NextTo(9);
  EXPECT_EQ(program.coach.CurrentStep, 5);
}

TEST_F(CoachTest, OptionRowsAndSetsAreHeldToTheWindow) {
  OpenCoach(ScanTask()
                .Set("OptionButtons", "maxOptionButtons", "12")
                .Set("coachTopic1", "OptionButtonSet", "7"));
  EXPECT_EQ(program.coach.MaxOptionButtons, 9);
  Next();
  EXPECT_EQ(C(kPane).design.bounds.height, 370);
  for (int i = 0; i < kMaxOptionButtons; ++i) EXPECT_FALSE(C(kOptionImage[i]).visible);
}

TEST_F(CoachTest, ABackThatPointsOutsideTheTaskGoesNowhere) {
  OpenCoach(ScanTask().Set("coachTopic2", "Back", "-4").Set("coachTopic3", "Back", "2147483647"));
  NextTo(2);
  Back();
  EXPECT_EQ(Topic(), 2);
  Next();
  Back();
  EXPECT_EQ(Topic(), 3);
}

// Topic numbers are 16-bit: a task of 32,767 topics loads whole and opens
// at once (every settings read is a lookup), and a topic past it is never
// read.
TEST_F(CoachTest, TheLongestTaskLoadsWholeAndATopicPastItIsLeftOut) {
  std::string text = ScanTask().Text();
  for (int t = 10; t <= 32767; ++t) {
    const std::string n = std::to_string(t);
    text += "[coachTopic" + n + "]\nTopicID=T" + n +
            "\nBack=-1\nHideTopic=" + (t == 32766 ? "1" : "0") + "\n";
  }
  WriteIni(text);
  coach = std::make_unique<frmCoach>(program);
  coach->Load();
  EXPECT_EQ(program.coach.TopicCount(), 32767);
  EXPECT_EQ(program.coach.topics[32766].id, "T32766");
  EXPECT_EQ(program.coach.LastVisibleTopic, 32765);
  EXPECT_EQ(C(kPane).pane.topic, "T0");
}

TEST_F(CoachTest, ATaskWithoutStepsOrTopicsOpensEmptyAndFinishes) {
  OpenCoach(IniText().Set("frmCoach Text", "FinishButton", "Finish"));
  EXPECT_EQ(program.coach.TopicCount(), 0);
  EXPECT_EQ(program.coach.StepCount(), 0);
  EXPECT_EQ(C(kPane).pane.topic, "");
  EXPECT_EQ(C(kNext).text, "Finish");
  Window().Click(kStepText[1]);
  Back();
  EXPECT_TRUE(Ends([&] { Next(); }));
}

TEST_F(CoachTest, StepStartsAndFieldsOutsideTheTaskAreOrderly) {
  OpenCoach(ScanTask()
                .Set("coachStep2", "StartTopic", "40")
                .Set("coachTopic1", "HideButton", "70000")
                .Set("coachTopic1", "OptionButtonSet", "-9"));
  Window().Click(kStepText[2]);
  EXPECT_EQ(Topic(), 0);
  Next();
  EXPECT_FALSE(C(kDontShowBox).visible);  // 70000 does not fit: no box
  EXPECT_EQ(C(kPane).pane.backgroundBitmap, "!mvback37.bmp");
}

}  // namespace
}  // namespace vantor::testing

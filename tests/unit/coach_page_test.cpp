// The coach's decisions taken from the task value alone, without a window:
// what a page shows, where Next, Back and a step label go, the step marks,
// the option rows' arrangement and the option topic 8 preselects.
#include <gmock/gmock.h>

#include "coach/coach_geometry.h"
#include "coach/scan_actions.h"
#include "coach/task_model.h"
#include "coach/topic_pane.h"
#include "coach_fixture.h"
#include "sim_fixture.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;

// Topics 0 to 5 with Back -1, steps starting at 0, 2 and 4; `hidden` lists
// the hidden topics.
CoachState Task(std::initializer_list<int> hidden = {}) {
  CoachState coach;
  for (int t = 0; t < 6; ++t) coach.topics.push_back({"T" + std::to_string(t), -1});
  for (int t : hidden) coach.topics[t].hidden = true;
  coach.steps = {{"Start", 0}, {"Middle", 2}, {"End", 4}};
  FindVisibleTopicRange(coach);
  return coach;
}

CoachState At(CoachState coach, std::int32_t topic, std::int16_t step) {
  coach.CurrentTopic = topic;
  coach.CurrentStep = step;
  return coach;
}

TEST(CoachPage, NextReadsFinishFromTheLastVisibleTopicOn) {
  const CoachState coach = Task({5});
  EXPECT_EQ(coach.LastVisibleTopic, 4);
  EXPECT_STREQ(PageOf(At(coach, 3, 1), "").nextCaptionKey, "NextButton");
  EXPECT_STREQ(PageOf(At(coach, 3, 1), "").nextToolTipKey, "NextButtonToolTip");
  EXPECT_STREQ(PageOf(At(coach, 4, 2), "").nextCaptionKey, "FinishButton");
  EXPECT_STREQ(PageOf(At(coach, 5, 2), "").nextToolTipKey, "FinishButtonToolTip");
  EXPECT_TRUE(OnFinish(At(coach, 4, 2)));
  EXPECT_FALSE(OnFinish(At(coach, 5, 2)));  // past the last: Finish does nothing
}

TEST(CoachPage, BackDoItAndTheBoxFollowTheTopic) {
  CoachState coach = Task({0});
  coach.topics[2].offersDontShow = true;
  EXPECT_FALSE(PageOf(At(coach, 1, 0), "").backEnabled);
  EXPECT_TRUE(PageOf(At(coach, 2, 1), "").backEnabled);
  const TopicPage page = PageOf(At(coach, 2, 1), "Scan now");
  EXPECT_EQ(page.topicId, "T2");
  EXPECT_TRUE(page.dontShowOffered);
  EXPECT_TRUE(page.doItShown);
  EXPECT_EQ(page.doItToolTip, "Scan now");
  EXPECT_FALSE(PageOf(At(coach, 3, 1), "").doItShown);
  EXPECT_EQ(PageOf(At(coach, 6, 2), "").topicId, "");  // past the task: an empty page
}

TEST(CoachMoves, NextPassesOverHiddenTopicsUpToTheLastVisible) {
  const CoachState coach = Task({2, 3, 5});
  EXPECT_EQ(NextTopic(At(coach, 1, 0)), 4);
  EXPECT_EQ(NextTopic(At(coach, 4, 2)), std::nullopt);
  EXPECT_EQ(NextTopic(At(coach, 0, 3)), std::nullopt);  // a step that was not loaded
  EXPECT_EQ(NextTopic(At(coach, 0, -1)), std::nullopt);
  EXPECT_EQ(NextTopic(At(Task(), 4, 2)), 5);
}

TEST(CoachMoves, BackStopsAtTopicZeroAndStaysInsideTheTask) {
  CoachState coach = Task({1, 3});
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), 2);  // passes over 3
  coach.topics[4].back = -3;                 // passes over 1
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), 0);
  coach.topics[4].back = -4;
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), 0);
  coach.topics[4].back = -5;  // below topic 0
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), std::nullopt);
  coach.topics[4].back = 2;  // past the last topic
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), std::nullopt);
  coach.topics[4].back = 1;
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), 5);
  coach.topics[4].back = 0;
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), std::nullopt);
  EXPECT_EQ(BackTopic(At(coach, 2, 3)), std::nullopt);  // a step that was not loaded

  // A hidden topic 0 ends the search below the first visible topic.
  coach = Task({0, 1});
  coach.topics[4].back = -3;
  EXPECT_EQ(BackTopic(At(coach, 4, 2)), std::nullopt);
}

TEST(CoachMoves, StepLabelsGoToLoadedStartsInsideTheTask) {
  CoachState coach = Task({2});
  EXPECT_EQ(StepStart(coach, 1), 2);  // hidden, and shown all the same
  EXPECT_EQ(StepStart(coach, 3), std::nullopt);
  coach.steps[2].startTopic = 6;
  EXPECT_EQ(StepStart(coach, 2), std::nullopt);
  coach.steps[2].startTopic = 5;
  EXPECT_EQ(StepStart(coach, 2), 5);
}

TEST(CoachMoves, TheMarkedStepFollowsByOneAtItsBoundaries) {
  const CoachState coach = Task();
  EXPECT_EQ(StepAfterMove(At(coach, 1, 0)), 0);
  EXPECT_EQ(StepAfterMove(At(coach, 2, 0)), 1);
  EXPECT_EQ(StepAfterMove(At(coach, 5, 0)), 1);  // past a whole step: one at a time
  EXPECT_EQ(StepAfterMove(At(coach, 1, 1)), 0);
  EXPECT_EQ(StepAfterMove(At(coach, 5, 2)), 2);  // the last step covers the rest
  EXPECT_EQ(StepAfterMove(At(coach, 5, 3)), 3);  // no such step: left alone
}

TEST(CoachMoves, StepMarksLeaveStepZeroAndTheCurrentStep) {
  const CoachState coach = At(Task(), 2, 1);
  EXPECT_THAT(StepMarksOf(coach, 2), ElementsAre(StepMark::Keep, StepMark::Keep, StepMark::Marked));
  EXPECT_THAT(StepMarksOf(coach, -1), ElementsAre(StepMark::Keep, StepMark::Keep, StepMark::Plain));
  EXPECT_THAT(StepMarksOf(coach, 0), ElementsAre(StepMark::Keep, StepMark::Keep, StepMark::Plain));
}

// Text 16 pixels high and 8 pixels a character; 12-pixel option pictures.
class FixedRows : public OptionRowSurface {
 public:
  TextSize MeasureOptionText(const std::string& text) override {
    return {8 * static_cast<int>(text.size()), 16};
  }
  Bounds OptionPictureBounds(int row) override { return {0, row, 12, 12}; }
  Bounds OptionLabelBounds(int row) override { return {0, row, 100, 16}; }
};

TEST(OptionRows, RowsStackFromTheSetsHeightAndOnlyLoadedSetsCount) {
  CoachState coach;
  coach.MaxOptionButtons = 4;
  coach.optionSets = {{250, {"Photo", "", std::string(34, 'w'), "Text"}}};
  FixedRows rows;
  const OptionRowMeasures measures = MeasureOptionRows(coach, rows);
  const PaneArrangement set = ArrangeTopicPane(coach, 0, measures);
  EXPECT_EQ(set.paneHeight, 250);
  EXPECT_STREQ(set.background, kShortPaneBackground);
  ASSERT_EQ(set.rows.size(), 4u);
  EXPECT_EQ(set.rows[0].picture.top, 260);
  EXPECT_EQ(set.rows[0].picture.left, kOptionLeft);
  EXPECT_FALSE(set.rows[1].shown);
  EXPECT_EQ(set.rows[1].label.width, 266);  // sized even when empty
  EXPECT_EQ(set.rows[2].picture.top, 300);
  EXPECT_EQ(set.rows[2].label.height, 32);  // 272 pixels of text in 266: two lines
  EXPECT_EQ(set.rows[3].picture.top, 336);
  EXPECT_EQ(set.rows[3].label.left, 149);

  for (std::int16_t none : {-1, 1}) {
    const PaneArrangement full = ArrangeTopicPane(coach, none, measures);
    EXPECT_EQ(full.paneHeight, kPaneBounds.height);
    EXPECT_STREQ(full.background, kFullPaneBackground);
    for (const OptionRow& row : full.rows) EXPECT_FALSE(row.shown);
    EXPECT_EQ(full.rows[3].label.top, 3);  // left where it stood
  }
}

// A window that only counts what the logic asks of it.
class CountingView : public CoachView {
 public:
  void ShowCoachLook(const CoachLook& look) override { calls.push_back("look"), last = look; }
  void ShowDontShowTicked(bool) override { calls.push_back("ticked"); }
  void ShowOptionMarks(int, int) override { calls.push_back("marks"); }
  void ShowStepMarks(const std::vector<StepMark>&) override { calls.push_back("steps"); }
  void WaitForPreview() override { calls.push_back("wait"); }
  std::vector<std::string> calls;
  CoachLook last;
};

class CoachMoveTest : public SimTest {
 protected:
  void SetUp() override {
    WriteIni(ScanTask().Text());
    LoadSteps(program.coach, program.settings);
    LoadTopics(program.coach, program.settings);
    LoadOptionButtonSets(program.coach, program.settings);
    FixedRows rows;
    program.coach.panes = ArrangeEverySet(program.coach, rows);
    program.HelpObject.Create(sim);
  }
  CountingView view;
};

// Each move shows its page in one piece; only the preview's wait is asked
// besides, and the logic itself builds no window.
TEST_F(CoachMoveTest, EachMoveShowsOneLookAndOpensNoWindow) {
  const std::size_t windows = sim.formsCreated.size();
  OpenAtFirstTopic(program.Coach(), view);
  EXPECT_THAT(view.calls, ElementsAre("look"));
  for (std::int32_t from = 0; from < 9; ++from) {
    SCOPED_TRACE(from);
    view.calls.clear();
    GoNext(program.Coach(), view);
    EXPECT_EQ(program.coach.CurrentTopic, from + 1);
    if (from == kPreviewTopic)
      EXPECT_THAT(view.calls, ElementsAre("wait", "look"));
    else
      EXPECT_THAT(view.calls, ElementsAre("look"));
  }
  view.calls.clear();
  GoBack(program.Coach(), view);
  SelectStep(program.Coach(), view, 1);
  EXPECT_THAT(view.calls, ElementsAre("look", "look"));
  EXPECT_EQ(sim.formsCreated.size(), windows);
}

// The look of topic 6 gathers what used to come in seven calls: the page,
// the option topic 6 preselects, the step, the rows and the step marks.
TEST_F(CoachMoveTest, TheLookOfAnOptionTopicHoldsTheWholePage) {
  sim.helpHost.outputType = 3;  // stands for option 6 of topic 6
  OpenAtFirstTopic(program.Coach(), view);
  for (int i = 0; i < 6; ++i) GoNext(program.Coach(), view);
  const CoachLook& look = view.last;
  EXPECT_EQ(look.page.topicId, "T6");
  EXPECT_EQ(look.markedOption, 6);
  EXPECT_EQ(program.coach.SelectedOption, 6);
  EXPECT_EQ(look.optionRows, 8);
  EXPECT_EQ(look.currentStep, 2);
  EXPECT_EQ(look.nextCaption, "Next >");
  EXPECT_EQ(look.pane.paneHeight, 250);
  EXPECT_TRUE(look.pane.rows[6].shown);
  EXPECT_FALSE(look.pane.rows[7].shown);
  EXPECT_THAT(look.stepMarks, ElementsAre(StepMark::Keep, StepMark::Plain, StepMark::Marked));
}

// The panes are arranged once at load, one per loaded set and one for
// none; a set past the last loaded one, or -1, gets the one for none.
TEST_F(CoachMoveTest, EachLoadedSetHasItsPaneAndAnyOtherNumberTheFullOne) {
  ASSERT_EQ(program.coach.panes.size(), 4u);
  EXPECT_EQ(program.coach.PaneOf(2).paneHeight, 200);
  EXPECT_TRUE(program.coach.PaneOf(2).rows[7].shown);  // set 2 has eight captions
  for (std::int16_t none : {-1, 3}) {
    EXPECT_EQ(program.coach.PaneOf(none).paneHeight, kPaneBounds.height);
    EXPECT_FALSE(program.coach.PaneOf(none).rows[0].shown);
  }
}

// The poll decides alone: nothing while there is no selection, and once
// there is one, Do It and Next enabled and the poll stopped.
TEST_F(CoachMoveTest, TheSelectionPollEnablesBothButtonsOnceThereIsASelection) {
  EXPECT_FALSE(PollSelection(program.HelpObject).has_value());
  sim.helpHost.selectionValid = true;
  const std::optional<TopicActionLook> look = PollSelection(program.HelpObject);
  ASSERT_TRUE(look.has_value());
  EXPECT_EQ(look->doItEnabled, true);
  EXPECT_EQ(look->nextEnabled, true);
  EXPECT_EQ(look->selectionWait, false);
  EXPECT_FALSE(look->option.has_value());
}

class TopicActionTest : public SimTest {};

TEST_F(TopicActionTest, TopicEightPreselectsNothingForAnswersThatStandForNone) {
  program.coach.CurrentTopic = kOutputTopic;
  const struct {
    std::int32_t topic6, topic7;
    std::optional<std::int32_t> option;
  } cases[] = {{3, 3, 4}, {4, 4, std::nullopt}, {3, -1, std::nullopt},
               {6, 0, 7}, {7, 0, std::nullopt}, {-1, 0, std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.topic6) + "/" + std::to_string(c.topic7));
    program.scan.ChoiceAtTopic6 = c.topic6;
    program.scan.ChoiceAtTopic7 = c.topic7;
    const TopicActionLook look = PrepareTopicAction(program.Coach());
    EXPECT_EQ(look.option, c.option);
    EXPECT_FALSE(look.selectionWait.has_value());
  }
}

TEST_F(TopicActionTest, LeavingTheSelectionTopicEndsTheWait) {
  program.coach.PreviousTopic = kSelectionTopic;
  EXPECT_EQ(LeavePreviousTopic(program.Coach()).selectionWait, false);
  program.coach.PreviousTopic = kSelectionTopic + 1;
  EXPECT_FALSE(LeavePreviousTopic(program.Coach()).selectionWait.has_value());
  program.coach.CurrentTopic = kSelectionTopic;  // no help object: no selection
  const TopicActionLook look = PrepareTopicAction(program.Coach());
  EXPECT_EQ(look.doItEnabled, false);
  EXPECT_EQ(look.selectionWait, true);
}

}  // namespace
}  // namespace vantor::testing

#include "coach/task_model.h"

#include <limits>
#include <string>

#include "coach/coach_geometry.h"
#include "coach/scan_actions.h"
#include "coach/topic_pane.h"
#include "common/numbers.h"

namespace vantor {
namespace {

constexpr const char* kCoachTexts = "frmCoach Text";

std::string StepSection(int n) { return "coachStep" + std::to_string(n); }
std::string TopicSection(std::int32_t n) { return "coachTopic" + std::to_string(n); }
std::string SetSection(int n) { return "OptionButtons" + std::to_string(n); }

// A 16-bit field of the settings file; a number that does not fit counts
// as a missing one.
std::int16_t ReadInt16(const Settings& ini, const std::string& section, const std::string& key,
                       std::int16_t fallback) {
  return ToInt16(ini.ReadIniInt(section, key, fallback)).value_or(fallback);
}

void WriteHideTopic(Program& program, std::int32_t topic, bool hidden) {
  program.settings.WriteIniString(TopicSection(topic), "HideTopic", hidden ? "1" : "0");
  if (program.coach.IsTopic(topic)) program.coach.topics[topic].hidden = hidden;
}

void MoveTo(Program& program, CoachView& view, std::int32_t topic) {
  program.coach.PreviousTopic = program.coach.CurrentTopic;
  program.coach.CurrentTopic = topic;
  ShowCurrentTopic(program, view);
}

// Parts of showing a topic and of Back, defined with them below.
void SetUpTopicControls(Program& program, CoachView& view);
void RecordHideOnBack(Program& program);

}  // namespace

void LoadSteps(CoachState& coach, const Settings& ini) {
  coach.steps.clear();
  // Further steps would have no label to show on.
  for (int n = 0; n < kMaxSteps; ++n) {
    std::string name = ini.ReadIniString(StepSection(n), "BUTTON");
    if (name.empty()) break;
    coach.steps.push_back({std::move(name), ini.ReadIniInt(StepSection(n), "StartTopic", 0)});
  }
}

void LoadTopics(CoachState& coach, const Settings& ini) {
  coach.topics.clear();
  std::string id = ini.ReadIniString(TopicSection(0), "TopicID");
  // Topic numbers are 16-bit; a list longer than that ends there.
  while (!id.empty() && coach.topics.size() < std::numeric_limits<std::int16_t>::max()) {
    const std::string section = TopicSection(coach.TopicCount());
    CoachTopic topic;
    topic.id = std::move(id);
    topic.back = ini.ReadIniInt(section, "Back", 0);
    topic.offersDontShow = ReadInt16(ini, section, "HideButton", 0) != 0;
    topic.optionSet = ReadInt16(ini, section, "OptionButtonSet", -1);
    topic.hidden = ReadInt16(ini, section, "HideTopic", 0) != 0;
    coach.topics.push_back(std::move(topic));
    id = ini.ReadIniString(TopicSection(coach.TopicCount()), "TopicID");
  }
  FindVisibleTopicRange(coach);
}

void LoadOptionButtonSets(CoachState& coach, const Settings& ini) {
  std::int32_t sets = ini.ReadIniInt("OptionButtons", "numOBSets", 0);
  const std::int16_t buttons = ReadInt16(ini, "OptionButtons", "maxOptionButtons", 0);
  coach.MaxOptionButtons = static_cast<std::int16_t>(
      buttons < 0 ? 0 : (buttons > kMaxOptionButtons ? kMaxOptionButtons : buttons));
  // A set that no topic shows is never needed; reading it would only cost.
  std::int32_t used = 0;
  for (const CoachTopic& topic : coach.topics)
    used = topic.optionSet + 1 > used ? topic.optionSet + 1 : used;
  if (sets > used) sets = used;
  if (sets < 0) sets = 0;
  coach.optionSets.assign(sets, OptionSet{0, std::vector<std::string>(coach.MaxOptionButtons)});
  for (std::int32_t s = 0; s < sets; ++s) {
    OptionSet& set = coach.optionSets[s];
    set.height = ini.ReadIniInt(SetSection(s), "topicHeight", 0);
    for (int b = 0; b < coach.MaxOptionButtons; ++b)
      set.texts[b] = ini.ReadIniString(SetSection(s), "OptionButtonText" + std::to_string(b));
  }
}

// A bound without any visible topic keeps its value.
void FindVisibleTopicRange(CoachState& coach) {
  for (std::int16_t t = 0; t < coach.TopicCount(); ++t) {
    if (!coach.topics[t].hidden) {
      coach.FirstVisibleTopic = t;
      break;
    }
  }
  for (std::int16_t t = static_cast<std::int16_t>(coach.TopicCount() - 1); t >= 0; --t) {
    if (!coach.topics[t].hidden) {
      coach.LastVisibleTopic = t;
      break;
    }
  }
}

TopicPage PageOf(const CoachState& coach, const std::string& doItText) {
  const CoachTopic& topic = coach.TopicAt(coach.CurrentTopic);
  const bool last = coach.CurrentTopic >= coach.LastVisibleTopic;
  TopicPage page;
  page.topicId = topic.id;
  page.dontShowOffered = topic.offersDontShow;
  page.doItShown = !doItText.empty();
  page.doItToolTip = doItText;
  page.nextCaptionKey = last ? "FinishButton" : "NextButton";
  page.nextToolTipKey = last ? "FinishButtonToolTip" : "NextButtonToolTip";
  page.backEnabled = coach.CurrentTopic > coach.FirstVisibleTopic;
  return page;
}

std::int16_t StepAfterMove(const CoachState& coach) {
  const std::int16_t s = coach.CurrentStep;
  if (!coach.IsStep(s)) return s;
  const std::int32_t start = coach.steps[s].startTopic;
  const std::int32_t next = s < coach.StepCount() - 1 ? coach.steps[s + 1].startTopic : start;
  if (next != start && coach.CurrentTopic >= next) return static_cast<std::int16_t>(s + 1);
  if (coach.CurrentTopic < start) return static_cast<std::int16_t>(s - 1);
  return s;
}

// Step 0 has no label; the current step's label keeps its mark.
std::vector<StepMark> StepMarksOf(const CoachState& coach, int hovered) {
  std::vector<StepMark> marks(coach.steps.size(), StepMark::Keep);
  for (int i = 1; i < coach.StepCount(); ++i) {
    if (i == hovered)
      marks[i] = StepMark::Marked;
    else if (i != coach.CurrentStep)
      marks[i] = StepMark::Plain;
  }
  return marks;
}

bool OnFinish(const CoachState& coach) { return coach.CurrentTopic == coach.LastVisibleTopic; }

std::optional<std::int32_t> NextTopic(const CoachState& coach) {
  std::int32_t t = coach.CurrentTopic + 1;
  while (t < coach.TopicCount() - 1 && coach.TopicAt(t).hidden) ++t;
  if (t > coach.LastVisibleTopic || !coach.IsStep(coach.CurrentStep)) return std::nullopt;
  return t;
}

std::optional<std::int32_t> BackTopic(const CoachState& coach) {
  const std::int32_t back = coach.TopicAt(coach.CurrentTopic).back;
  if (back == 0) return std::nullopt;
  std::int64_t t = static_cast<std::int64_t>(coach.CurrentTopic) + back;
  // A Back that points outside the task goes nowhere.
  if (!coach.IsTopic(t)) return std::nullopt;
  // Topic 0 ends the search even when hidden.
  while (coach.TopicAt(t).hidden && t >= 1) --t;
  if (t < coach.FirstVisibleTopic || !coach.IsStep(coach.CurrentStep)) return std::nullopt;
  return static_cast<std::int32_t>(t);
}

// Only a loaded step whose start lies in the task can be shown; hidden or
// not, its start is shown.
std::optional<std::int32_t> StepStart(const CoachState& coach, std::int16_t step) {
  if (!coach.IsStep(step) || !coach.IsTopic(coach.steps[step].startTopic)) return std::nullopt;
  return coach.steps[step].startTopic;
}

void ShowCurrentTopic(Program& program, CoachView& view) {
  CoachState& coach = program.coach;
  view.ShowTopicAction(LeavePreviousTopic(program));
  SetUpTopicControls(program, view);
  coach.CurrentStep = StepAfterMove(coach);
  view.ShowCurrentStep(coach.CurrentStep);
  view.ShowPaneArrangement(
      ArrangeTopicPane(coach, coach.TopicAt(coach.CurrentTopic).optionSet, view));
  MarkStepLabels(program, view, coach.CurrentStep);
}

namespace {

void SetUpTopicControls(Program& program, CoachView& view) {
  CoachState& coach = program.coach;
  const Settings& ini = program.settings;
  coach.DontShowChecked = 0;
  const TopicPage page =
      PageOf(coach, ini.ReadIniString(TopicSection(coach.CurrentTopic), "DoItButton"));
  view.ShowTopicPage(page, ini.ReadIniString(kCoachTexts, page.nextCaptionKey),
                     ini.ReadIniString(kCoachTexts, page.nextToolTipKey));
  const TopicActionLook action = PrepareTopicAction(program);
  view.ShowTopicAction(action);
  if (action.option) SelectOption(program, view, *action.option);
}

}  // namespace

void GoNext(Program& program, CoachView& view) {
  if (OnFinish(program.coach)) program.platform.EndNow();
  const std::optional<std::int32_t> target = NextTopic(program.coach);
  if (!target) return;
  RunNextAction(program);
  MoveTo(program, view, *target);
}

void GoBack(Program& program, CoachView& view) {
  const std::optional<std::int32_t> target = BackTopic(program.coach);
  if (!target) return;
  RecordHideOnBack(program);
  MoveTo(program, view, *target);
}

namespace {

void RecordHideOnBack(Program& program) {
  CoachState& coach = program.coach;
  if (coach.DontShowChecked != 0) WriteHideTopic(program, coach.CurrentTopic, true);
  FindVisibleTopicRange(coach);
}

}  // namespace

void SetDontShow(Program& program, CoachView& view) {
  CoachState& coach = program.coach;
  coach.DontShowChecked = coach.DontShowChecked != 0 ? 0 : 1;
  view.ShowDontShowTicked(coach.DontShowChecked != 0);
  WriteHideTopic(program, coach.CurrentTopic, coach.DontShowChecked != 0);
  FindVisibleTopicRange(coach);
}

void SelectStep(Program& program, CoachView& view, std::int16_t step) {
  const std::optional<std::int32_t> start = StepStart(program.coach, step);
  if (!start) return;
  program.coach.CurrentStep = step;
  MoveTo(program, view, *start);
}

// The choice takes effect when an action reads SelectedOption.
void SelectOption(Program& program, CoachView& view, std::int32_t option) {
  program.coach.SelectedOption = static_cast<std::int16_t>(option);
  view.ShowOptionMarks(static_cast<int>(option), program.coach.MaxOptionButtons);
}

void MarkStepLabels(Program& program, CoachView& view, int hovered) {
  view.ShowStepMarks(StepMarksOf(program.coach, hovered));
}

}  // namespace vantor

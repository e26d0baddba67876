#include "coach/task_model.h"

#include <limits>
#include <string>

#include "coach/coach_geometry.h"
#include "coach/scan_actions.h"
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

void WriteHideTopic(const CoachRecord& coach, std::int32_t topic, bool hidden) {
  coach.settings.WriteIniString(TopicSection(topic), "HideTopic", hidden ? "1" : "0");
  if (coach.task.IsTopic(topic)) coach.task.topics[topic].hidden = hidden;
}

// The one place a move is made: the position changes, the scanning actions
// say what the move does, and the window is shown the page once.
void MoveTo(const CoachRecord& coach, CoachView& view, std::int32_t topic, bool next) {
  coach.task.PreviousTopic = coach.task.CurrentTopic;
  coach.task.CurrentTopic = topic;
  view.ShowCoachLook(LookOfTopic(coach, ActionsOfMove(coach, view, next)));
}

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

CoachLook LookOfTopic(const CoachRecord& coach, const TopicActionLook& action) {
  CoachState& task = coach.task;
  const Settings& ini = coach.settings;
  task.DontShowChecked = 0;
  CoachLook look;
  look.page = PageOf(task, ini.ReadIniString(TopicSection(task.CurrentTopic), "DoItButton"));
  look.nextCaption = ini.ReadIniString(kCoachTexts, look.page.nextCaptionKey);
  look.nextToolTip = ini.ReadIniString(kCoachTexts, look.page.nextToolTipKey);
  look.action = action;
  if (action.option) {
    // The choice takes effect when an action reads SelectedOption.
    task.SelectedOption = static_cast<std::int16_t>(*action.option);
    look.markedOption = *action.option;
  }
  look.optionRows = task.MaxOptionButtons;
  task.CurrentStep = StepAfterMove(task);
  look.currentStep = task.CurrentStep;
  look.pane = task.PaneOf(task.TopicAt(task.CurrentTopic).optionSet);
  look.stepMarks = StepMarksOf(task, task.CurrentStep);
  return look;
}

void ShowCurrentTopic(const CoachRecord& coach, CoachView& view) {
  view.ShowCoachLook(LookOfTopic(coach, ActionsOfMove(coach, view, false)));
}

// What the pages of output type remember starts as nothing chosen only
// after the first page is shown.
void OpenAtFirstTopic(const CoachRecord& coach, CoachView& view) {
  coach.task.CurrentStep = 0;
  coach.task.PreviousTopic = -1;
  coach.task.CurrentTopic = coach.task.FirstVisibleTopic;
  ShowCurrentTopic(coach, view);
  ResetScanChoices(coach.scan);
}

void GoNext(const CoachRecord& coach, CoachView& view) {
  if (OnFinish(coach.task)) coach.platform.EndNow();
  const std::optional<std::int32_t> target = NextTopic(coach.task);
  if (!target) return;
  MoveTo(coach, view, *target, true);
}

void GoBack(const CoachRecord& coach, CoachView& view) {
  const std::optional<std::int32_t> target = BackTopic(coach.task);
  if (!target) return;
  if (coach.task.DontShowChecked != 0) WriteHideTopic(coach, coach.task.CurrentTopic, true);
  FindVisibleTopicRange(coach.task);
  MoveTo(coach, view, *target, false);
}

void SetDontShow(const CoachRecord& coach, CoachView& view) {
  CoachState& task = coach.task;
  task.DontShowChecked = task.DontShowChecked != 0 ? 0 : 1;
  view.ShowDontShowTicked(task.DontShowChecked != 0);
  WriteHideTopic(coach, task.CurrentTopic, task.DontShowChecked != 0);
  FindVisibleTopicRange(task);
}

void SelectStep(const CoachRecord& coach, CoachView& view, std::int16_t step) {
  const std::optional<std::int32_t> start = StepStart(coach.task, step);
  if (!start) return;
  coach.task.CurrentStep = step;
  MoveTo(coach, view, *start, false);
}

// The choice takes effect when an action reads SelectedOption.
void SelectOption(const CoachRecord& coach, CoachView& view, std::int32_t option) {
  coach.task.SelectedOption = static_cast<std::int16_t>(option);
  view.ShowOptionMarks(static_cast<int>(option), coach.task.MaxOptionButtons);
}

void MarkStepLabels(const CoachState& coach, CoachView& view, int hovered) {
  view.ShowStepMarks(StepMarksOf(coach, hovered));
}

}  // namespace vantor

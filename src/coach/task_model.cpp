#include "coach/task_model.h"

#include <limits>
#include <string>

#include "coach/frm_coach_design.h"
#include "coach/scan_actions.h"
#include "coach/topic_pane.h"
#include "common/numbers.h"

namespace vantor {
namespace {

std::string StepSection(int n) { return "coachStep" + std::to_string(n); }
std::string TopicSection(std::int32_t n) { return "coachTopic" + std::to_string(n); }
std::string SetSection(int n) { return "OptionButtons" + std::to_string(n); }

// A 16-bit field of the settings file; a number that does not fit counts
// as a missing one.
std::int16_t ReadInt16(const Settings& ini, const std::string& section, const std::string& key,
                       std::int16_t fallback) {
  return ToInt16(ini.ReadIniInt(section, key, fallback)).value_or(fallback);
}

// Entry `i` of a table, or the table's empty value past its ends: a task
// whose numbers point outside itself never reaches past a table.
template <class T>
T EntryOf(const std::vector<T>& table, std::int64_t i, T empty) {
  if (i < 0 || i >= static_cast<std::int64_t>(table.size())) return empty;
  return table[static_cast<std::size_t>(i)];
}

bool IsTopic(const CoachState& coach, std::int64_t t) { return t >= 0 && t < coach.TopicCount; }
bool IsStep(const CoachState& coach, std::int64_t s) { return s >= 0 && s < coach.StepCount; }
bool Hidden(const CoachState& coach, std::int64_t t) {
  return EntryOf<std::int16_t>(coach.TopicHidden, t, 0) != 0;
}

// Moves the marked step by at most one towards the current topic.
void FollowStep(CoachState& coach) {
  const std::int16_t s = coach.CurrentStep;
  if (!IsStep(coach, s)) return;
  const std::int32_t start = coach.StepStartTopic[s];
  const std::int32_t next = s < coach.StepCount - 1 ? coach.StepStartTopic[s + 1] : start;
  if (next != start && coach.CurrentTopic >= next)
    coach.CurrentStep = static_cast<std::int16_t>(s + 1);
  else if (coach.CurrentTopic < start)
    coach.CurrentStep = static_cast<std::int16_t>(s - 1);
}

void WriteHideTopic(Program& program, std::int32_t topic, std::int16_t hidden) {
  program.settings.WriteIniString(TopicSection(topic), "HideTopic", hidden ? "1" : "0");
  if (IsTopic(program.coach, topic)) program.coach.TopicHidden[topic] = hidden;
}

void MoveTo(Program& program, frmCoach& window, std::int32_t topic) {
  program.coach.PreviousTopic = program.coach.CurrentTopic;
  program.coach.CurrentTopic = topic;
  ShowCurrentTopic(program, window);
}

}  // namespace

void LoadSteps(Program& program, frmCoach& window) {
  CoachState& coach = program.coach;
  const Settings& ini = program.settings;
  std::int16_t n = 0;
  // The window has six step labels; further steps have nowhere to show.
  for (; n < kMaxSteps; ++n) {
    const std::string text = ini.ReadIniString(StepSection(n), "BUTTON");
    if (text.empty()) break;
    coach.StepStartTopic.resize(n + 2, 0);
    window.StepText(n).SetCaption(text);
    coach.StepStartTopic[n] = ini.ReadIniInt(StepSection(n), "StartTopic", 0);
  }
  coach.StepCount = n;
  // Labels without a step would show a number that leads nowhere.
  for (int unused = n; unused < kMaxSteps; ++unused) {
    window.StepText(unused).SetVisible(false);
    window.StepNum(unused).SetVisible(false);
  }
}

void LoadTopics(Program& program) {
  CoachState& coach = program.coach;
  const Settings& ini = program.settings;
  std::int32_t n = 0;
  std::string id = ini.ReadIniString(TopicSection(n), "TopicID");
  // Topic numbers are 16-bit; a list longer than that ends there.
  while (!id.empty() && n < std::numeric_limits<std::int16_t>::max()) {
    const std::string section = TopicSection(n);
    coach.TopicIDs.resize(n + 2);
    coach.TopicBack.resize(n + 2, 0);
    coach.TopicHideButton.resize(n + 2, 0);
    coach.TopicOptionSet.resize(n + 2, -1);
    coach.TopicHidden.resize(n + 2, 0);
    coach.TopicIDs[n] = id;
    coach.TopicBack[n] = ini.ReadIniInt(section, "Back", 0);
    coach.TopicHideButton[n] = ReadInt16(ini, section, "HideButton", 0);
    coach.TopicOptionSet[n] = ReadInt16(ini, section, "OptionButtonSet", -1);
    coach.TopicHidden[n] = ReadInt16(ini, section, "HideTopic", 0);
    ++n;
    id = ini.ReadIniString(TopicSection(n), "TopicID");
  }
  coach.TopicCount = static_cast<std::int16_t>(n);
  FindVisibleTopicRange(coach);
}

void LoadOptionButtonSets(Program& program) {
  CoachState& coach = program.coach;
  const Settings& ini = program.settings;
  std::int32_t sets = ini.ReadIniInt("OptionButtons", "numOBSets", 0);
  const std::int16_t buttons = ReadInt16(ini, "OptionButtons", "maxOptionButtons", 0);
  // Nine option rows are all the window has.
  coach.MaxOptionButtons = static_cast<std::int16_t>(
      buttons < 0 ? 0 : (buttons > kMaxOptionButtons ? kMaxOptionButtons : buttons));
  // A set that no topic shows is never needed; reading it would only cost.
  std::int32_t used = 0;
  for (std::int16_t set : coach.TopicOptionSet) used = set + 1 > used ? set + 1 : used;
  if (sets > used) sets = used;
  if (sets < 0) sets = 0;
  coach.OptionTexts.assign(sets + 1, std::vector<std::string>(coach.MaxOptionButtons + 1));
  coach.OptionSetHeights.assign(sets + 1, 0);
  for (std::int32_t s = 0; s < sets; ++s) {
    coach.OptionSetHeights[s] = ini.ReadIniInt(SetSection(s), "topicHeight", 0);
    for (int b = 0; b < coach.MaxOptionButtons; ++b)
      coach.OptionTexts[s][b] =
          ini.ReadIniString(SetSection(s), "OptionButtonText" + std::to_string(b));
  }
}

void FindVisibleTopicRange(CoachState& coach) {
  for (std::int16_t t = 0; t < coach.TopicCount; ++t) {
    if (!Hidden(coach, t)) {
      coach.FirstVisibleTopic = t;
      break;
    }
  }
  for (std::int16_t t = static_cast<std::int16_t>(coach.TopicCount - 1); t >= 0; --t) {
    if (!Hidden(coach, t)) {
      coach.LastVisibleTopic = t;
      break;
    }
  }
}

void ShowCurrentTopic(Program& program, frmCoach& window) {
  CoachState& coach = program.coach;
  LeavePreviousTopic(program, window);
  SetUpTopicControls(program, window);
  window.Pane().SetTopic(EntryOf<std::string>(coach.TopicIDs, coach.CurrentTopic, ""));
  FollowStep(coach);
  ArrangeTopicPane(program, window,
                   EntryOf<std::int16_t>(coach.TopicOptionSet, coach.CurrentTopic, -1));
  MarkStepLabels(program, window, coach.CurrentStep);
}

void SetUpTopicControls(Program& program, frmCoach& window) {
  CoachState& coach = program.coach;
  const Settings& ini = program.settings;
  const bool offersHide = EntryOf<std::int16_t>(coach.TopicHideButton, coach.CurrentTopic, 0) != 0;
  window.DontShowBox().SetVisible(offersHide);
  window.DontShowLabel().SetVisible(offersHide);
  coach.DontShowChecked = 0;
  window.ShowDontShowBox(false);

  const std::string doIt = ini.ReadIniString(TopicSection(coach.CurrentTopic), "DoItButton");
  Button doItButton = window.DoItButton();
  if (doIt.empty()) {
    doItButton.SetVisible(false);
  } else {
    doItButton.SetVisible(true);
    doItButton.SetEnabled(true);
    doItButton.SetToolTip(doIt);
  }

  const bool last = coach.CurrentTopic >= coach.LastVisibleTopic;
  Button next = window.NextButton();
  next.SetCaption(ini.ReadIniString("frmCoach Text", last ? "FinishButton" : "NextButton"));
  next.SetToolTip(
      ini.ReadIniString("frmCoach Text", last ? "FinishButtonToolTip" : "NextButtonToolTip"));
  window.BackButton().SetEnabled(coach.CurrentTopic > coach.FirstVisibleTopic);
  PrepareTopicAction(program, window);
}

void GoNext(Program& program, frmCoach& window) {
  CoachState& coach = program.coach;
  if (coach.CurrentTopic == coach.LastVisibleTopic) program.platform.EndNow();
  std::int32_t t = coach.CurrentTopic + 1;
  while (t < coach.TopicCount - 1 && Hidden(coach, t)) ++t;
  if (t > coach.LastVisibleTopic || !IsStep(coach, coach.CurrentStep)) return;
  RunNextAction(program, window);
  MoveTo(program, window, t);
}

void GoBack(Program& program, frmCoach& window) {
  CoachState& coach = program.coach;
  const std::int32_t back = EntryOf<std::int32_t>(coach.TopicBack, coach.CurrentTopic, 0);
  if (back == 0) return;
  std::int64_t t = static_cast<std::int64_t>(coach.CurrentTopic) + back;
  // A Back that points outside the task goes nowhere.
  if (!IsTopic(coach, t)) return;
  while (Hidden(coach, t) && t >= 1) --t;
  if (t < coach.FirstVisibleTopic || !IsStep(coach, coach.CurrentStep)) return;
  RecordHideOnBack(program);
  MoveTo(program, window, static_cast<std::int32_t>(t));
}

void RecordHideOnBack(Program& program) {
  CoachState& coach = program.coach;
  if (coach.DontShowChecked != 0) WriteHideTopic(program, coach.CurrentTopic, 1);
  FindVisibleTopicRange(coach);
}

void SetDontShow(Program& program, frmCoach& window) {
  CoachState& coach = program.coach;
  coach.DontShowChecked = coach.DontShowChecked != 0 ? 0 : 1;
  window.ShowDontShowBox(coach.DontShowChecked != 0);
  WriteHideTopic(program, coach.CurrentTopic, coach.DontShowChecked);
  FindVisibleTopicRange(coach);
}

void SelectStep(Program& program, frmCoach& window, std::int16_t step) {
  CoachState& coach = program.coach;
  // Only a loaded step whose start lies in the task can be shown.
  if (!IsStep(coach, step) || !IsTopic(coach, coach.StepStartTopic[step])) return;
  coach.CurrentStep = step;
  MoveTo(program, window, coach.StepStartTopic[step]);
}

void MarkStepLabels(Program& program, frmCoach& window, int hovered) {
  const CoachState& coach = program.coach;
  for (int i = 1; i < coach.StepCount; ++i) {
    if (i == hovered)
      window.StepText(i).SetForeColor(kStepMarked);
    else if (i != coach.CurrentStep)
      window.StepText(i).SetForeColor(kStepPlain);
  }
}

}  // namespace vantor

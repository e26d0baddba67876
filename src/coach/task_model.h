// The coached task: its steps, topics and option sets as the settings file
// describes them, the user's place in it, and the moves of Next, Back, the
// step labels, the options and the don't-show box. The functions of the
// task value decide what the page shows and where a move goes; the
// operations make the move and hand the page to the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "coach/coach_state.h"
#include "coach/coach_view.h"
#include "program.h"
#include "settings/settings.h"

namespace vantor {

// Loading, once, by the coach window's load, in this order.
void LoadSteps(CoachState& coach, const Settings& ini);
void LoadTopics(CoachState& coach, const Settings& ini);
void LoadOptionButtonSets(CoachState& coach, const Settings& ini);
void FindVisibleTopicRange(CoachState& coach);

// What the task shows and where the moves go, from the position alone.
// `doItText` is the current topic's "DoItButton", read as it is shown.
TopicPage PageOf(const CoachState& coach, const std::string& doItText);
// The step to mark after a move: at most one step on from the marked one.
std::int16_t StepAfterMove(const CoachState& coach);
std::vector<StepMark> StepMarksOf(const CoachState& coach, int hovered);
// Finish: Next on the last visible topic ends the program.
bool OnFinish(const CoachState& coach);
// Where Next, Back and a step label go; nullopt where they go nowhere.
std::optional<std::int32_t> NextTopic(const CoachState& coach);
std::optional<std::int32_t> BackTopic(const CoachState& coach);
std::optional<std::int32_t> StepStart(const CoachState& coach, std::int16_t step);

// The whole page of the current topic, after the scanning actions of the
// move gave `action`: keeps the option the action chose and the marked step.
CoachLook LookOfTopic(const CoachRecord& coach, const TopicActionLook& action);
// Shows the current topic as it stands, without a move's Next action.
void ShowCurrentTopic(const CoachRecord& coach, CoachView& view);
// The first visible topic, as the coach opens on it.
void OpenAtFirstTopic(const CoachRecord& coach, CoachView& view);

// The user's moves.
void GoNext(const CoachRecord& coach, CoachView& view);
void GoBack(const CoachRecord& coach, CoachView& view);
void SetDontShow(const CoachRecord& coach, CoachView& view);
void SelectStep(const CoachRecord& coach, CoachView& view, std::int16_t step);
void SelectOption(const CoachRecord& coach, CoachView& view, std::int32_t option);
// `hovered` is a step number, or -1 when the pointer is on no step label.
void MarkStepLabels(const CoachState& coach, CoachView& view, int hovered);

}  // namespace vantor

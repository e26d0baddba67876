// The coached task: its steps, topics and option sets as the settings file
// describes them, the user's place in it, and the moves of Next, Back, the
// step labels and the don't-show box.
#pragma once

#include <cstdint>

#include "coach/frm_coach.h"
#include "program.h"

namespace vantor {

// Loading, once, by the coach window's load, in this order.
void LoadSteps(Program& program, frmCoach& window);
void LoadTopics(Program& program);
void LoadOptionButtonSets(Program& program);
void FindVisibleTopicRange(CoachState& coach);

// After every change of the current topic.
void ShowCurrentTopic(Program& program, frmCoach& window);
void SetUpTopicControls(Program& program, frmCoach& window);

// The user's moves.
void GoNext(Program& program, frmCoach& window);
void GoBack(Program& program, frmCoach& window);
void RecordHideOnBack(Program& program);
void SetDontShow(Program& program, frmCoach& window);
void SelectStep(Program& program, frmCoach& window, std::int16_t step);
// `hovered` is a step number, or -1 when the pointer is on no step label.
void MarkStepLabels(Program& program, frmCoach& window, int hovered);

}  // namespace vantor

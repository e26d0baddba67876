// The topic pane's share of each topic: the option rows of the topic's set
// stacked under the pane, and the pane's height and background.
#pragma once

#include <cstdint>

#include "coach/frm_coach.h"
#include "program.h"

namespace vantor {

constexpr int kFullPaneHeight = 370;
inline constexpr const char* kFullPaneBackground = "!mvback37.bmp";
inline constexpr const char* kShortPaneBackground = "!mvbackWH.bmp";

// `set` is an option set number, or -1 for none; a set that was not loaded
// counts as none.
void ArrangeTopicPane(Program& program, frmCoach& window, std::int16_t set);

}  // namespace vantor

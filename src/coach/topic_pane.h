// The topic pane's share of each topic: the option rows of the topic's set
// stacked under the pane, and the pane's height and background.
#pragma once

#include <cstdint>

#include "coach/coach_state.h"
#include "coach/coach_view.h"

namespace vantor {

// Measures the task's option rows and every loaded set's captions, once.
OptionRowMeasures MeasureOptionRows(const CoachState& coach, OptionRowSurface& surface);

// `set` is an option set number, or -1 for none; a set that was not loaded
// counts as none. Gives one row for each of the task's option rows.
PaneArrangement ArrangeTopicPane(const CoachState& coach, std::int16_t set,
                                 const OptionRowMeasures& measures);

}  // namespace vantor

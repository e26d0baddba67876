// The topic pane's share of each topic: the option rows of the topic's set
// stacked under the pane, and the pane's height and background.
#pragma once

#include <cstdint>
#include <vector>

#include "coach/coach_state.h"
#include "coach/coach_view.h"

namespace vantor {

// The option rows as measured once, at load.
struct OptionRowMeasures {
  int lineHeight = 0;            // "AAA" in the captions' font
  std::vector<Bounds> pictures;  // each row's picture and caption as designed
  std::vector<Bounds> labels;
  std::vector<std::vector<int>> captionWidths;  // by set, then row
};

// Measures the task's option rows and every loaded set's captions.
OptionRowMeasures MeasureOptionRows(const CoachState& coach, OptionRowSurface& surface);
// The pane under each loaded set, then under none (CoachState::panes).
std::vector<PaneArrangement> ArrangeEverySet(const CoachState& coach, OptionRowSurface& surface);

// `set` is an option set number, or -1 for none; a set that was not loaded
// counts as none. Gives one row for each of the task's option rows.
PaneArrangement ArrangeTopicPane(const CoachState& coach, std::int16_t set,
                                 const OptionRowMeasures& measures);

}  // namespace vantor

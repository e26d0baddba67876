#include "coach/topic_pane.h"

#include <string>

#include "coach/coach_geometry.h"
#include "common/numbers.h"

namespace vantor {

PaneArrangement ArrangeTopicPane(const CoachState& coach, std::int16_t set,
                                 OptionRowSurface& surface) {
  PaneArrangement arrangement{kPaneBounds.height, kFullPaneBackground, {}};
  arrangement.rows.resize(coach.MaxOptionButtons);
  for (int i = 0; i < coach.MaxOptionButtons; ++i) {
    arrangement.rows[i].picture = surface.OptionPictureBounds(i);
    arrangement.rows[i].label = surface.OptionLabelBounds(i);
  }
  if (set < 0 || set >= static_cast<int>(coach.optionSets.size())) return arrangement;

  const OptionSet& options = coach.optionSets[set];
  const int lineHeight = Px(surface.MeasureOptionText("AAA").height);
  const double pitch = lineHeight * 5.0 / 4.0;
  int extraOffset = 0;
  for (int i = 0; i < coach.MaxOptionButtons; ++i) {
    OptionRow& row = arrangement.rows[i];
    row.label.width = Px(kOptionRight - kOptionLeft - 1.5 * row.picture.width);
    // An empty row keeps its place: later rows stand by their own number.
    if (options.texts[i].empty()) continue;
    row.shown = true;
    row.caption = options.texts[i];
    row.picture.left = kOptionLeft;
    row.picture.top = Px(options.height + pitch / 2 + i * pitch + extraOffset);
    row.label.top = Px(row.picture.top + row.picture.height - lineHeight + lineHeight / 8.0);
    row.label.left = Px(row.picture.left + 1.5 * row.picture.width);
    // A caption wider than its label wraps onto a second line and pushes
    // the later rows down by one line.
    if (surface.MeasureOptionText(row.caption).width <= row.label.width) {
      row.label.height = lineHeight;
    } else {
      row.label.height = 2 * lineHeight;
      extraOffset += lineHeight;
    }
  }
  // The pane shrinks only under a set whose first option has a caption.
  if (!options.texts.empty() && !options.texts[0].empty()) {
    arrangement.paneHeight = options.height;
    arrangement.background = kShortPaneBackground;
  }
  return arrangement;
}

}  // namespace vantor

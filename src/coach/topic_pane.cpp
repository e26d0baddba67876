#include "coach/topic_pane.h"

#include <string>

#include "coach/coach_geometry.h"
#include "common/numbers.h"

namespace vantor {

OptionRowMeasures MeasureOptionRows(const CoachState& coach, OptionRowSurface& surface) {
  OptionRowMeasures measures;
  measures.lineHeight = Px(surface.MeasureOptionText("AAA").height);
  for (int i = 0; i < coach.MaxOptionButtons; ++i) {
    measures.pictures.push_back(surface.OptionPictureBounds(i));
    measures.labels.push_back(surface.OptionLabelBounds(i));
  }
  for (const OptionSet& set : coach.optionSets) {
    std::vector<int>& widths = measures.captionWidths.emplace_back();
    for (const std::string& text : set.texts)
      widths.push_back(text.empty() ? 0 : surface.MeasureOptionText(text).width);
  }
  return measures;
}

std::vector<PaneArrangement> ArrangeEverySet(const CoachState& coach, OptionRowSurface& surface) {
  const OptionRowMeasures measures = MeasureOptionRows(coach, surface);
  std::vector<PaneArrangement> panes;
  for (std::size_t s = 0; s <= coach.optionSets.size(); ++s)
    panes.push_back(ArrangeTopicPane(
        coach, s < coach.optionSets.size() ? static_cast<std::int16_t>(s) : -1, measures));
  return panes;
}

PaneArrangement ArrangeTopicPane(const CoachState& coach, std::int16_t set,
                                 const OptionRowMeasures& measures) {
  PaneArrangement arrangement{kPaneBounds.height, kFullPaneBackground, {}};
  arrangement.rows.resize(coach.MaxOptionButtons);
  for (std::size_t i = 0; i < arrangement.rows.size() && i < measures.pictures.size(); ++i) {
    arrangement.rows[i].picture = measures.pictures[i];
    arrangement.rows[i].label = measures.labels[i];
  }
  if (set < 0 || set >= static_cast<int>(coach.optionSets.size()) ||
      set >= static_cast<int>(measures.captionWidths.size()))
    return arrangement;

  const OptionSet& options = coach.optionSets[set];
  const std::vector<int>& widths = measures.captionWidths[set];
  const int lineHeight = measures.lineHeight;
  const double pitch = lineHeight * 5.0 / 4.0;
  int extraOffset = 0;
  for (std::size_t i = 0; i < arrangement.rows.size(); ++i) {
    OptionRow& row = arrangement.rows[i];
    row.label.width = Px(kOptionRight - kOptionLeft - 1.5 * row.picture.width);
    // An empty row keeps its place: later rows stand by their own number.
    if (i >= options.texts.size() || options.texts[i].empty()) continue;
    row.shown = true;
    row.caption = options.texts[i];
    row.picture.left = kOptionLeft;
    row.picture.top = Px(options.height + pitch / 2 + static_cast<double>(i) * pitch + extraOffset);
    row.label.top = Px(row.picture.top + row.picture.height - lineHeight + lineHeight / 8.0);
    row.label.left = Px(row.picture.left + 1.5 * row.picture.width);
    // A caption wider than its label wraps onto a second line and pushes
    // the later rows down by one line.
    if (i < widths.size() && widths[i] <= row.label.width) {
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

#include "coach/topic_pane.h"

#include <string>

#include "common/numbers.h"

namespace vantor {
namespace {

void HideOptionRow(frmCoach& window, int i) {
  window.OptionLabel(i).SetCaption("");
  window.OptionLabel(i).SetVisible(false);
  window.OptionImage(i).SetVisible(false);
}

void SetPane(frmCoach& window, int height, const char* background) {
  TopicPane pane = window.Pane();
  Bounds bounds = pane.GetBounds();
  bounds.height = height;
  pane.SetBounds(bounds);
  pane.SetBackgroundBitmap(background);
}

}  // namespace

void ArrangeTopicPane(Program& program, frmCoach& window, std::int16_t set) {
  const CoachState& coach = program.coach;
  const int loadedSets = static_cast<int>(coach.OptionTexts.size()) - 1;
  if (set < 0 || set >= loadedSets) {
    for (int i = 0; i < coach.MaxOptionButtons; ++i) HideOptionRow(window, i);
    SetPane(window, kFullPaneHeight, kFullPaneBackground);
    return;
  }

  Font font = window.OptionLabelFont();
  font.bold = false;
  const FormHost& surface = window.Surface();
  const int lineHeight = Px(surface.MeasureText(font, "AAA").height);
  const double pitch = lineHeight * 5.0 / 4.0;
  int extraOffset = 0;
  const auto& texts = coach.OptionTexts[set];
  const std::int32_t setHeight = coach.OptionSetHeights[set];

  for (int i = 0; i < coach.MaxOptionButtons; ++i) {
    Picture button = window.OptionImage(i);
    Label label = window.OptionLabel(i);
    const Bounds buttonBounds = button.GetBounds();
    Bounds labelBounds = label.GetBounds();
    labelBounds.width = Px(284 - 1.5 * buttonBounds.width);
    label.SetBounds(labelBounds);
    if (texts[i].empty()) {
      HideOptionRow(window, i);
      continue;
    }
    const Bounds placed{131, Px(setHeight + pitch / 2 + i * pitch + extraOffset),
                        buttonBounds.width, buttonBounds.height};
    button.SetBounds(placed);
    button.SetVisible(true);

    label.SetCaption(texts[i]);
    labelBounds.top = Px(placed.top + placed.height - lineHeight + lineHeight / 8.0);
    labelBounds.left = Px(placed.left + 1.5 * placed.width);
    // A caption wider than its label wraps onto a second line and pushes
    // the later rows down by one line.
    if (surface.MeasureText(font, texts[i]).width <= labelBounds.width) {
      labelBounds.height = lineHeight;
    } else {
      labelBounds.height = 2 * lineHeight;
      extraOffset += lineHeight;
    }
    label.SetBounds(labelBounds);
    label.SetVisible(true);
  }

  if (texts[0].empty())
    SetPane(window, kFullPaneHeight, kFullPaneBackground);
  else
    SetPane(window, setHeight, kShortPaneBackground);
}

}  // namespace vantor

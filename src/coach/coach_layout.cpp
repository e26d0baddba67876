// The coach window's geometry: a 425 x 410 panel with the step list down its
// left, the topic pane on its right and a band under the pane, above a
// button bar whose height follows the size the system gives Next.
#include <cstdint>

#include "coach/coach_geometry.h"
#include "coach/frm_coach.h"
#include "common/numbers.h"
#include "placement/placement.h"

namespace vantor {

using namespace coach_controls;

namespace {

constexpr int kLargestButtonHeight = 32;
constexpr int kLargestButtonWidth = 96;
constexpr int kWidestStepName = 125;
constexpr int kWrappedStepName = 115;

int CoachStepGap(int stepCount, int stepTextHeight) {
  const int free = kPanelHeight - (stepCount - 1) * stepTextHeight;
  return Px(static_cast<double>(free) / (stepCount + 3));
}

int CoachStepNameWidth(int measuredWidth) {
  const int width = Px(measuredWidth + 10.0);
  // A longer name wraps inside the label's two and a half lines.
  return width > kWidestStepName ? kWrappedStepName : width;
}

}  // namespace

void frmCoach::LayOutCoachWindow() {
  const TwipsPerPixel twips = MeasureTwipsPerPixel(program_.platform);
  LayOutStepList();

  Button next = Get(kNext);
  Bounds button = next.GetBounds();
  if (button.height > kLargestButtonHeight) {
    button.height = kLargestButtonHeight;
    button.width = kLargestButtonWidth;
  }
  const int barHeight = button.height + 12;

  Get(kPane).SetBounds(kPaneBounds);
  Get(kPanel).SetBounds({0, 0, kPanelWidth, kPanelHeight});
  Get(kBar).SetBounds({0, kBarTop, kPanelWidth, barHeight});
  SetSize(OuterTwipsForClient(Width(), Host().ClientWidth(), kPanelWidth, twips.x),
          OuterTwipsForClient(Height(), Host().ClientHeight(), kBarTop + barHeight, twips.y));

  Get(kDontShowBox).SetBounds({kBoxLeft, kBoxTop, kBoxSize, kBoxSize});
  Bounds label = Get(kDontShowLabel).GetBounds();
  Get(kDontShowLabel)
      .SetBounds({Px(kBoxLeft + 1.5 * kBoxSize), kBoxTop, label.width, label.height});

  const int client = Host().ClientWidth();
  const int w = button.width;
  const int h = button.height;
  Get(kDoIt).SetBounds({client - w - 6, Px(kBandTop + (kBandHeight - h) / 2.0), w, h});
  next.SetBounds({client - 2 * w - 24, 6, w, h});
  Get(kBack).SetBounds({client - 3 * w - 24, 6, w, h});
  Get(kCancel).SetBounds({client - w - 6, 6, w, h});
  Get(kHelp).SetBounds({6, Px((barHeight - 23) / 2.0), 22, 23});

  Picture strip = Get(kClearStrip);
  strip.SetBounds({kStripLeft, 0, kPaneBounds.left - kStripLeft, kPanelHeight});
  // The strip between the names and the pane takes the pointer first, so
  // that leaving a long step name there clears its hover mark.
  Host().BringToFront(strip.Id());
}

// The visible labels 1 to StepCount - 1 stand one gap apart, with two gaps
// above the first and three below the last.
void frmCoach::LayOutStepList() {
  const FormHost& surface = Host();
  const int stepCount = program_.coach.StepCount();
  Font measuring{"Arial", Design(kStepNum[0]).font.pointSize, true, false};
  const int textHeight = Px(surface.MeasureText(measuring, "AA").height);
  const int gap = CoachStepGap(stepCount, textHeight);
  measuring.pointSize = program_.platform.CurrentScreen().captionHeightPx > 20 ? 10 : 12;
  const int nameHeight = Px(surface.MeasureText(measuring, "AA").height);

  for (int i = 0; i < stepCount && i < kMaxSteps; ++i) {
    Bounds number = Get(kStepNum[i]).GetBounds();
    number.height = textHeight;
    number.top = (i - 1) * (textHeight + gap) + 2 * gap;
    Get(kStepNum[i]).SetBounds(number);

    Label name = Get(kStepText[i]);
    name.SetFont(measuring);
    Bounds bounds = name.GetBounds();
    bounds.height = Px(2.5 * nameHeight);
    bounds.top = Px(number.top + number.height - 1.2 * nameHeight);
    bounds.width = CoachStepNameWidth(surface.MeasureText(measuring, name.Caption()).width);
    name.SetBounds(bounds);
  }
}

}  // namespace vantor

// The coach window's fixed geometry in pixels, and how many step and option
// controls it has. The design table, the layout and the option rows all
// take these from here.
#pragma once

#include "platform/form_host.h"

namespace vantor {

// Six step labels (0 to 5) and nine option rows (0 to 8): a task cannot
// use more steps or option rows than these.
constexpr int kMaxSteps = 6;
constexpr int kMaxOptionButtons = 9;

// The topic pane at its full height, right of the step list.
constexpr Bounds kPaneBounds{125, 0, 300, 370};
// The panel holds the step list and the pane; the button bar overlaps its
// bottom 8 pixels.
constexpr int kPanelWidth = kPaneBounds.left + kPaneBounds.width;
constexpr int kPanelHeight = 410;
constexpr int kBarTop = 402;
// The band under the pane holds the don't-show box, its text one and a
// half boxes further right, and Do It.
constexpr int kBandTop = kPaneBounds.height;
constexpr int kBandHeight = 32;
constexpr int kBoxLeft = 137;
constexpr int kBoxSize = 14;
constexpr int kBoxTop = kBandTop + (kBandHeight - kBoxSize) / 2;
// The strip between the step names and the pane, which clears the hover mark.
constexpr int kStripLeft = 95;
// Option pictures stand at this left edge; their captions end 10 pixels
// short of the panel's right edge.
constexpr int kOptionLeft = 131;
constexpr int kOptionRight = kPanelWidth - 10;

}  // namespace vantor

// Where the video window's instruction block stands on its panel.
#pragma once

#include <cstdint>

#include "platform/form_host.h"

namespace vantor {

// The two instruction lines and the connector lines under and beside the
// second, in the panel's pixels. A line's bounds run from its first end
// (a width or height of 0 is one pixel across).
struct InstructionBlock {
  Bounds first;
  Bounds second;
  Bounds underLine;
  Bounds riseLine;
};

// The block right of the clip list: `lineHeight` and `widestCaption` are the
// measured captions, `rowHeight` the height of a clip list row.
InstructionBlock PlaceInstructions(std::int16_t lineHeight, std::int16_t widestCaption,
                                   std::int16_t listColumnWidth, std::int16_t rowHeight);

}  // namespace vantor

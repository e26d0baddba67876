// What the coach and the video window share in their design tables: the
// gold button bar along the bottom, its grey buttons, and the colours of a
// list drawn as labels.
#pragma once

#include <string>

#include "platform/form.h"

namespace vantor::kit {

constexpr Color kBarGold = Rgb(255, 204, 0);
constexpr Color kButtonGrey = Rgb(192, 192, 192);
// A list entry under the mouse or current, and the others.
constexpr Color kEntryMarked = Rgb(0x00, 0x80, 0x00);
constexpr Color kEntryPlain = Rgb(0x80, 0x80, 0x80);

inline ControlSpec Bar(const ControlName& bar, Bounds bounds) {
  ControlSpec row = DesignRow(bar, ControlKind::PictureBox, bounds);
  row.backColor = kBarGold;
  return row;
}

inline ControlSpec GreyButton(const ControlName& button, ControlKind kind, Bounds bounds,
                              const ControlName& on) {
  ControlSpec row = DesignRow(button, kind, bounds, on.name);
  row.backColor = kButtonGrey;
  return row;
}

// A button that shows a picture, and the picture's grey twin while disabled.
inline ControlSpec PictureButton(const ControlName& button, Bounds bounds, const ControlName& bar,
                                 const std::string& picture) {
  ControlSpec row = GreyButton(button, ControlKind::GraphicalButton, bounds, bar);
  row.picture = picture;
  row.disabledPicture = picture + "_grey";
  return row;
}

}  // namespace vantor::kit

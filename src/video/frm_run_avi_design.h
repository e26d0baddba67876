// The video window's design table: every control with its kind, container,
// design geometry (pixels), colours, fonts and pictures.
#pragma once

#include "platform/form_host.h"

namespace vantor {

// The clip list: how many labels the window has, and their colours (the
// clip under the mouse, and the others).
constexpr int kClipLabels = 10;
constexpr Color kClipMarked = Rgb(0x00, 0x80, 0x00);
constexpr Color kClipPlain = Rgb(0x80, 0x80, 0x80);

FormSpec RunAviDesign();

}  // namespace vantor

// The coach window's design table: every control with its kind, container,
// design geometry (pixels), colours, fonts and pictures.
#pragma once

#include "platform/form_host.h"

namespace vantor {

// Colours of the step labels: the hovered or current step, and the others.
constexpr Color kStepMarked = Rgb(0x00, 0x80, 0x00);
constexpr Color kStepPlain = Rgb(0x80, 0x80, 0x80);

FormSpec CoachDesign();

}  // namespace vantor

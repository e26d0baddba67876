// The coach window's design table: every control with its kind, container,
// design geometry (pixels), colours, fonts and pictures.
#pragma once

#include "platform/form_host.h"

namespace vantor {

// Colours of the step labels: the hovered or current step, and the others.
constexpr Color kStepMarked = Rgb(0x00, 0x80, 0x00);
constexpr Color kStepPlain = Rgb(0x80, 0x80, 0x80);
// How often the window asks whether the scanning application has a
// usable selection, while a topic waits for one.
constexpr int kSelectionPollMs = 200;

FormSpec CoachDesign();

}  // namespace vantor

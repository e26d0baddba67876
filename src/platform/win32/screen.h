// The screen's resolution, which sets the size of a twip in pixels.
#pragma once

#include "platform/win32/win32.h"

namespace vantor::win32 {

// Pixels per logical inch, LOGPIXELSX or LOGPIXELSY.
int LogicalPixels(int index);
// Twips per pixel in that direction: 1440 / the pixels per inch, rounded
// by the program's rule.
int TwipsPerPixel(int index);

}  // namespace vantor::win32

// The screen as it stands now: its size, the work area, and its resolution,
// which sets the size of a twip in pixels.
#pragma once

#include "platform/form_host.h"
#include "platform/types.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

struct TwipsScale {
  int x = 15;
  int y = 15;
};

// Twips per pixel across and down: 1440 / the logical pixels per inch,
// rounded by the program's rule.
TwipsScale TwipsPerPixelNow();
// The desktop less the taskbars, in screen pixels.
RECT WorkAreaNow();
// Everything the program asks of the screen, in one record.
Screen ScreenNow();
// A rectangle in pixels as a place and size in twips, at `scale`.
TwipsRect InTwips(const RECT& pixels, TwipsScale scale);

}  // namespace vantor::win32

// The screen as it stands now: its size, the work area, and its resolution,
// which sets the size of a twip in pixels.
#pragma once

#include "platform/form_host.h"
#include "platform/types.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// Twips per pixel of the screen now.
TwipsPerPixel TwipsPerPixelNow();
// The desktop less the taskbars, in screen pixels.
RECT WorkAreaNow();
// How far the work area of the monitor holding `window` lies inside that
// monitor, which is what a normal placement's workspace coordinates are
// shifted by.
PixelOffset WorkAreaOffsetOf(HWND window);
// Everything the program asks of the screen, in one record.
Screen ScreenNow();
// A rectangle in pixels as a place and size in twips, at `scale`.
TwipsRect InTwips(const RECT& pixels, TwipsPerPixel scale);

}  // namespace vantor::win32

#include "platform/win32/screen.h"

#include "common/numbers.h"

namespace vantor::win32 {

int LogicalPixels(int index) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int TwipsPerPixel(int index) { return TwipsPerPixelOf(kTwipsPerInch, LogicalPixels(index)); }

}  // namespace vantor::win32

#include "platform/win32/screen.h"

#include "common/numbers.h"
#include "platform/win32/scoped.h"

namespace vantor::win32 {
namespace {

int TwipsPerPixelOfDpi(int dpi) { return TwipsPerPixelOf(kTwipsPerInch, dpi > 0 ? dpi : 96); }

}  // namespace

TwipsPerPixel TwipsPerPixelNow() {
  const WindowDC screen(nullptr);
  return {TwipsPerPixelOfDpi(GetDeviceCaps(screen, LOGPIXELSX)),
          TwipsPerPixelOfDpi(GetDeviceCaps(screen, LOGPIXELSY))};
}

RECT WorkAreaNow() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// GetWindowPlacement gives a window's normal rectangle in workspace
// coordinates: the screen's less the offset of its own monitor's work area
// within that monitor (rcWork less rcMonitor), not the primary monitor's.
// MonitorFromWindow goes by the normal rectangle while the window is
// minimised. Should the monitor not answer, the primary's work area stands
// in: its monitor is at the screen's origin.
PixelOffset WorkAreaOffsetOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
  if (!monitor || !GetMonitorInfoA(monitor, &info)) {
    const RECT work = WorkAreaNow();
    return {work.left, work.top};
  }
  return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

Screen ScreenNow() {
  const RECT work = WorkAreaNow();
  return {GetSystemMetrics(SM_CXSCREEN),
          GetSystemMetrics(SM_CYSCREEN),
          TwipsPerPixelNow(),
          GetSystemMetrics(SM_CYCAPTION),
          {work.left, work.top, work.right, work.bottom}};
}

TwipsRect InTwips(const RECT& pixels, TwipsPerPixel scale) {
  return {pixels.left * scale.x, pixels.top * scale.y, (pixels.right - pixels.left) * scale.x,
          (pixels.bottom - pixels.top) * scale.y};
}

}  // namespace vantor::win32

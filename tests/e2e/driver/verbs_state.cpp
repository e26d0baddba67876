// Verbs that report the state and place of single controls: what a user
// sees of a button (greyed, shown) and where it sits in its window.

#include <windows.h>

#include <cstdio>
#include <string>

#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

constexpr long kDefaultWaitMs = 5000;

BOOL CALLBACK PrintControl(HWND control, LPARAM param) {
  RECT outer{};
  GetWindowRect(control, &outer);
  MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(param), reinterpret_cast<POINT*>(&outer), 2);
  std::printf("id=%d class=%s visible=%d enabled=%d %s text=%s\n", GetDlgCtrlID(control),
              ClassName(control).c_str(), IsWindowVisible(control) ? 1 : 0,
              IsWindowEnabled(control) ? 1 : 0, RectWords(outer, "").c_str(),
              WindowText(control).c_str());
  return TRUE;
}

// Waits until the control is enabled (or, wanted false, greyed) and says
// how long that took, so that a test can check how soon the program reacted
// to a change.
int WaitForEnabledState(const Args& args, bool wanted) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  const DWORD start = GetTickCount();
  if (!WaitUntil(args.IntAt(2, kDefaultWaitMs),
                 [&] { return (IsWindowEnabled(control) != 0) == wanted; })) {
    std::fprintf(stderr, "vdriver: control %ld stayed %s\n", args.IntAt(1, 0),
                 wanted ? "disabled" : "enabled");
    return kTimedOut;
  }
  const DWORD now = GetTickCount();
  std::printf("elapsed_ms=%lu tick=%lu\n", static_cast<unsigned long>(now - start),
              static_cast<unsigned long>(now));
  return kOk;
}

}  // namespace

int Enabled(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  std::printf("%d\n", IsWindowEnabled(control) ? 1 : 0);
  return kOk;
}

// A control that the window has not shown yet has no window of its own
// (the program makes it when it first shows it): not visible.
int Visible(const Args& args) {
  HWND top;
  const long id = args.IntAt(1, 0);
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  HWND control = id == 0 ? top : FindControl(top, static_cast<int>(id));
  std::printf("%d\n", control && IsWindowVisible(control) ? 1 : 0);
  return kOk;
}

int WaitEnabled(const Args& args) { return WaitForEnabledState(args, true); }

int WaitDisabled(const Args& args) { return WaitForEnabledState(args, false); }

// The control's outer rectangle on the screen, and as "x y" inside the
// client area of its top-level window.
int ControlRect(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  RECT outer{};
  GetWindowRect(control, &outer);
  POINT inside{outer.left, outer.top};
  ScreenToClient(top, &inside);
  std::printf("%s x=%ld y=%ld\n", RectWords(outer, "").c_str(), inside.x, inside.y);
  return kOk;
}

// Every control of the window at any depth, one line each, with its
// rectangle inside the window's client area.
int Controls(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  EnumChildWindows(top, PrintControl, reinterpret_cast<LPARAM>(top));
  return kOk;
}

}  // namespace vdriver

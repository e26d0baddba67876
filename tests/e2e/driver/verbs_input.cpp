// Verbs that act on another program's windows the way a user would.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "input.h"
#include "lookup.h"
#include "verbs.h"

namespace vdriver {
namespace {

// How long a click waits for the program to handle it. A button that opens
// a modal window does not return before that window closes; the click has
// still been delivered then.
constexpr UINT kClickWaitMs = 1000;

struct KeyName {
  const char* name;
  WORD virtualKey;
};

// "shift-tab" is Tab with Shift held.
constexpr KeyName kKeys[] = {
    {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"tab", VK_TAB},   {"shift-tab", VK_TAB},
    {"space", VK_SPACE},  {"up", VK_UP},         {"down", VK_DOWN}, {"left", VK_LEFT},
    {"right", VK_RIGHT},  {"pgup", VK_PRIOR},    {"pgdn", VK_NEXT}, {"home", VK_HOME},
    {"end", VK_END},
};

// A key press through the system's input queue, as the keyboard sends it:
// it goes to the control that has the focus in the foreground window, and
// the receiving program's message loop (dialog navigation, default button)
// sees it as it would see a real key press.
void TypeKey(WORD virtualKey, bool shift) {
  INPUT press[4] = {};
  UINT count = 0;
  const auto add = [&](WORD key, DWORD flags) {
    INPUT& input = press[count++];
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
    input.ki.dwFlags = flags;
  };
  if (shift) add(VK_SHIFT, 0);
  add(virtualKey, 0);
  add(virtualKey, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(count, press, sizeof(INPUT));
}

// The same key posted straight to the focused control of the window's
// thread, for programs whose windows cannot be brought to the foreground.
bool PostKey(HWND top, WORD virtualKey) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(top, nullptr);
  HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : top;
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
  return PostMessageA(target, WM_KEYDOWN, virtualKey, scan | 1) &&
         PostMessageA(target, WM_KEYUP, virtualKey, scan | 1 | (3u << 30));
}

// Mouse button messages as the mouse sends them, posted in the middle of
// the control: a press carries MK_LBUTTON, a release does not.
bool PostMouse(HWND control, std::initializer_list<UINT> messages) {
  RECT client{};
  GetClientRect(control, &client);
  const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
  for (UINT message : messages) {
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    if (!PostMessageA(control, message, buttons, middle)) {
      std::fprintf(stderr, "vdriver: could not post the click (%lu)\n", GetLastError());
      return false;
    }
  }
  return true;
}

}  // namespace

// A user cannot click into a window that a modal one has disabled, nor on
// a greyed or hidden control; posted or sent messages would reach them all
// the same.
bool TakesInput(HWND top, HWND control, const Args& args) {
  if (IsWindowEnabled(top) && IsWindowEnabled(control) && IsWindowVisible(control)) return true;
  std::fprintf(stderr, "vdriver: control %ld of \"%s\" takes no input now\n", args.IntAt(1, 0),
               args.positional[0].c_str());
  return false;
}

namespace {

BOOL CALLBACK NotePendingPaint(HWND child, LPARAM param) {
  if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(param) = true;
  return FALSE;
}

// True while a window of `top` (it or a control at any depth) still has a
// part to paint.
bool PaintPending(HWND top) {
  bool pending = GetUpdateRect(top, nullptr, FALSE) != 0;
  if (!pending) EnumChildWindows(top, NotePendingPaint, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

}  // namespace

int Click(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  if (!TakesInput(top, control, args)) return kFailed;
  if (ClassName(control) == "Button" && !args.Has("mouse")) {
    // Posted, the click returns at once even when it opens a modal window,
    // so a test can time what follows it.
    if (args.Has("post")) return PostMessageA(control, BM_CLICK, 0, 0) ? kOk : kFailed;
    DWORD_PTR ignored = 0;
    // A click that ends the program takes the button away while it is sent.
    if (!SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, kClickWaitMs, &ignored) &&
        GetLastError() != ERROR_TIMEOUT && IsWindow(control)) {
      std::fprintf(stderr, "vdriver: BM_CLICK failed (%lu)\n", GetLastError());
      return kFailed;
    }
    return kOk;
  }
  // What a mouse click delivers: button down and up, posted, in the middle
  // of the control.
  return PostMouse(control, {WM_LBUTTONDOWN, WM_LBUTTONUP}) ? kOk : kFailed;
}

int DoubleClick(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  if (!TakesInput(top, control, args)) return kFailed;
  return PostMouse(control, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
             ? kOk
             : kFailed;
}

// The mouse passing over the middle of a control, with no button down. The
// pointer itself stays where it is, so no tool tip comes up. The move is
// sent, and the verb returns once the program has handled it and painted
// what it changed, so that what a test reads next is its outcome.
int Hover(const Args& args) {
  HWND top, control;
  if (!RequireControl(args, top, control)) return kFailed;
  RECT client{};
  GetClientRect(control, &client);
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutA(control, WM_MOUSEMOVE, 0,
                           MAKELPARAM(client.right / 2, client.bottom / 2), SMTO_NORMAL,
                           kClickWaitMs, &ignored)) {
    std::fprintf(stderr, "vdriver: the mouse move was not handled (%lu)\n", GetLastError());
    return kFailed;
  }
  if (!WaitUntil(kClickWaitMs, [&] { return !PaintPending(top); })) {
    std::fprintf(stderr, "vdriver: \"%s\" did not paint within %u ms\n", args.positional[0].c_str(),
                 kClickWaitMs);
    return kTimedOut;
  }
  return kOk;
}

// The keys are typed one after another, in the order given.
int Key(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  std::vector<const KeyName*> keys;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    const std::string& name = args.positional[i];
    const KeyName* found = nullptr;
    for (const KeyName& key : kKeys) found = name == key.name ? &key : found;
    if (!found) {
      std::fprintf(stderr, "vdriver: unknown key '%s'\n", name.c_str());
      return kFailed;
    }
    keys.push_back(found);
  }
  if (args.Has("post")) {
    for (const KeyName* key : keys)
      if (!PostKey(top, key->virtualKey)) return kFailed;
    return kOk;
  }
  SetForegroundWindow(top);
  if (!WaitUntil(1000, [&] { return GetForegroundWindow() == top; })) {
    std::fprintf(stderr, "vdriver: \"%s\" did not come to the foreground\n",
                 args.positional[0].c_str());
    return kFailed;
  }
  for (const KeyName* key : keys)
    TypeKey(key->virtualKey, std::strcmp(key->name, "shift-tab") == 0);
  return kOk;
}

int Close(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  // The close box sends SC_CLOSE; the window's default handling turns it
  // into WM_CLOSE, so the program sees exactly what a user's click causes.
  return PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0) ? kOk : kFailed;
}

// The minimise box: SC_MINIMIZE, as a click on it sends.
int Minimize(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  return PostMessageA(top, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? kOk : kFailed;
}

// Where a user drags the window by its caption: the size stays, and the
// window's program hears of the move as it would of a drag.
int Move(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  const int x = static_cast<int>(args.IntAt(1, 0));
  const int y = static_cast<int>(args.IntAt(2, 0));
  if (!SetWindowPos(top, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    std::fprintf(stderr, "vdriver: SetWindowPos failed (%lu)\n", GetLastError());
    return kFailed;
  }
  RECT outer{};
  GetWindowRect(top, &outer);
  std::printf("%s\n", RectWords(outer, "").c_str());
  return kOk;
}

// Brings a window to the foreground, as a click on it would.
int Activate(const Args& args) {
  HWND top;
  if (!RequireWindow(args.positional[0], top, args.IntOption("with", 0))) return kFailed;
  SetForegroundWindow(top);
  if (!WaitUntil(1000, [&] { return GetForegroundWindow() == top; })) {
    std::fprintf(stderr, "vdriver: \"%s\" did not come to the foreground\n",
                 args.positional[0].c_str());
    return kFailed;
  }
  return kOk;
}

}  // namespace vdriver

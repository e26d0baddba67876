#include "platform/win32/app.h"

#include <algorithm>

#include "platform/win32/win32_form_host.h"
#include "platform/win32/window_procs.h"

namespace vantor::win32 {

namespace {

void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, HICON icon) {
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = proc;
  cls.hInstance = instance;
  cls.hIcon = icon;
  cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  cls.lpszClassName = name;
  RegisterClassExA(&cls);
}

}  // namespace

// The common controls are initialised with the first tool tip (tooltips.cpp).
App::App(HINSTANCE instance) : instance_(instance), gdi_(instance) {
  HICON icon = LoadIconA(instance, "APPICON");
  RegisterWindowClass(instance, kFormClass, FormProc, icon);
  RegisterWindowClass(instance, kDialogClass, FormProc, nullptr);
  RegisterWindowClass(instance, kPictureBoxClass, ControlProc, nullptr);
  RegisterWindowClass(instance, kImageClass, ControlProc, nullptr);
  RegisterWindowClass(instance, kLineClass, ControlProc, nullptr);
}

void App::AddForm(Win32FormHost* form) { forms_.push_back(form); }

void App::RemoveForm(Win32FormHost* form) { std::erase(forms_, form); }

Win32FormHost* App::FormOf(HWND window) const {
  if (!window) return nullptr;
  HWND root = GetAncestor(window, GA_ROOT);
  auto found = std::find_if(forms_.begin(), forms_.end(),
                            [root](Win32FormHost* form) { return form->Window() == root; });
  return found == forms_.end() ? nullptr : *found;
}

// The window under the mouse chooses its pointer again at once, as it would
// on the next mouse move.
void App::SetPointer(Pointer pointer) {
  pointer_ = pointer;
  POINT at{};
  GetCursorPos(&at);
  HWND under = WindowFromPoint(at);
  if (!FormOf(under)) return;
  const LRESULT area = SendMessageA(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(static_cast<WORD>(area), WM_MOUSEMOVE));
}

bool App::ApplyPointer() const {
  switch (pointer_) {
    case Pointer::ArrowHourglass:
      SetCursor(LoadCursorA(nullptr, IDC_APPSTARTING));
      return true;
    case Pointer::Hourglass:
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      return true;
    case Pointer::Default:
      break;
  }
  return false;
}

}  // namespace vantor::win32

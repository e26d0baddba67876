#include "platform/win32/window_procs.h"

#include "platform/win32/win32_form_host.h"

namespace vantor::win32 {

namespace {

constexpr char kHostProperty[] = "Vantor.Host";
constexpr char kProcProperty[] = "Vantor.Proc";

// Our window classes carry their host in GWLP_USERDATA from WM_NCCREATE to
// WM_NCDESTROY; outside that span the window is left to DefWindowProc.
Win32FormHost* HostOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* host =
        static_cast<Win32FormHost*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    return host;
  }
  auto* host = reinterpret_cast<Win32FormHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return host;
}

LRESULT CALLBACK StandardControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = static_cast<Win32FormHost*>(GetPropA(window, kHostProperty));
  auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kProcProperty));
  if (message == WM_NCDESTROY) {
    RemovePropA(window, kHostProperty);
    RemovePropA(window, kProcProperty);
  }
  if (message == WM_GETOBJECT && host) {
    if (auto answer = host->OnStandardControlGetObject(window, wParam, lParam)) return *answer;
  }
  const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
  if (message == WM_MOUSEMOVE && host) host->OnStandardControlMouseMove(window, lParam);
  return result;
}

}  // namespace

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32FormHost* host = HostOf(window, message, lParam);
  if (!host) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCCREATE) host->Attach(window);
  return host->OnFormMessage(message, wParam, lParam);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32FormHost* host = HostOf(window, message, lParam);
  if (!host) return DefWindowProcA(window, message, wParam, lParam);
  return host->OnControlMessage(window, message, wParam, lParam);
}

void SubclassStandardControl(HWND control, Win32FormHost* host) {
  SetPropA(control, kHostProperty, host);
  SetPropA(control, kProcProperty,
           reinterpret_cast<HANDLE>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardControlProc));
}

}  // namespace vantor::win32

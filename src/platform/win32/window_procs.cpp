#include "platform/win32/window_procs.h"

#include <unordered_map>

#include "platform/win32/win32_form_host.h"

namespace vantor::win32 {

namespace {

// Which host each of our windows belongs to, and for a subclassed standard
// control its own procedure. Kept here rather than in the windows (user
// data, window properties): under Wine every such set and every property
// read is a request to the window server, and the procedures look their
// window up for every message. The program's windows all live on its one
// thread.
struct Binding {
  Win32FormHost* host = nullptr;
  WNDPROC original = nullptr;
};

std::unordered_map<HWND, Binding>& Bindings() {
  static std::unordered_map<HWND, Binding> bindings;
  return bindings;
}

// Our window classes know their host from WM_NCCREATE to WM_NCDESTROY;
// outside that span the window is left to DefWindowProc.
Win32FormHost* HostOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* host =
        static_cast<Win32FormHost*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    Bindings()[window].host = host;
    return host;
  }
  auto found = Bindings().find(window);
  if (found == Bindings().end()) return nullptr;
  Win32FormHost* host = found->second.host;
  if (message == WM_NCDESTROY) Bindings().erase(found);
  return host;
}

LRESULT CALLBACK StandardControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto found = Bindings().find(window);
  if (found == Bindings().end()) return DefWindowProcA(window, message, wParam, lParam);
  const Binding binding = found->second;
  if (message == WM_NCDESTROY) Bindings().erase(found);
  if (message == WM_GETOBJECT && binding.host) {
    if (auto answer = binding.host->OnStandardControlGetObject(window, wParam, lParam))
      return *answer;
  }
  const LRESULT result = CallWindowProcA(binding.original, window, message, wParam, lParam);
  if (message == WM_MOUSEMOVE && binding.host)
    binding.host->OnStandardControlMouseMove(window, lParam);
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
  Bindings()[control] = {host, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC))};
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardControlProc));
}

}  // namespace vantor::win32

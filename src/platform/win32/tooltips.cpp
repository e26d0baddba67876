#include "platform/win32/tooltips.h"

namespace vantor::win32 {
namespace {

// The common controls library is loaded with the first tooltip window, not
// with the program: nothing else of it is used.
bool CommonControlsReady() {
  static const bool ready = [] {
    HMODULE library = LoadLibraryA("comctl32.dll");
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto init = library ? reinterpret_cast<InitFn>(reinterpret_cast<void (*)()>(
                              GetProcAddress(library, "InitCommonControlsEx")))
                        : nullptr;
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return init && init(&controls);
  }();
  return ready;
}

}  // namespace

void ToolTips::Set(HINSTANCE instance, HWND form, HWND control, const std::string& text) {
  if (!control) return;
  if (!arrived_) {
    waiting_[control] = text;
    return;
  }
  if (!tips_) PointerArrived(instance, form);
  Add(instance, control, text);
}

void ToolTips::PointerArrived(HINSTANCE instance, HWND form) {
  if (tips_) return;
  arrived_ = true;
  if (!CommonControlsReady()) return;
  tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
  if (!tips_) return;
  for (const auto& [control, text] : waiting_) Add(instance, control, text);
  waiting_.clear();
}

void ToolTips::Add(HINSTANCE instance, HWND control, const std::string& text) {
  if (!tips_) return;
  TOOLINFOA tool{};
  // The version 2 layout is understood by every comctl32 from 4.70 on.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.hinst = instance;
  tool.lpszText = const_cast<char*>(text.c_str());
  if (tools_.insert(control).second) {
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    SendMessageA(tips_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void ToolTips::Forget() {
  arrived_ = false;
  tips_ = nullptr;
  waiting_.clear();
  tools_.clear();
}

}  // namespace vantor::win32

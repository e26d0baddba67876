#include "platform/win32/tooltips.h"

namespace vantor::win32 {

void ToolTips::Set(HINSTANCE instance, HWND form, HWND control, const std::string& text) {
  if (!control) return;
  if (!tips_) {
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
    if (!tips_) return;
  }
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
  tips_ = nullptr;
  tools_.clear();
}

}  // namespace vantor::win32

// The tool tips of one form: one tooltip window, one tool per control,
// added the first time the control gets a tip and updated after that.
#pragma once

#include <set>
#include <string>

#include "platform/win32/win32.h"

namespace vantor::win32 {

class ToolTips {
 public:
  void Set(HINSTANCE instance, HWND form, HWND control, const std::string& text);
  // The form's window is gone, and the tooltip window with it.
  void Forget();

 private:
  HWND tips_ = nullptr;
  std::set<HWND> tools_;
};

}  // namespace vantor::win32

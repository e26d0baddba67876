// The tool tips of one form: one tooltip window, one tool per control,
// added the first time the control gets a tip and updated after that.
//
// Nothing of it is made until the pointer first comes over the form: a tip
// shows only under the pointer, and the tooltip window (with the common
// controls library it comes from) is a good part of a window's start. Until
// then the tips are only remembered.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/win32/win32.h"

namespace vantor::win32 {

class ToolTips {
 public:
  void Set(HINSTANCE instance, HWND form, HWND control, const std::string& text);
  // The pointer is over the form (or one of its controls): the tooltip
  // window and every tool remembered so far are made now.
  void PointerArrived(HINSTANCE instance, HWND form);
  // The form's window is gone, and the tooltip window with it.
  void Forget();

 private:
  void Add(HINSTANCE instance, HWND control, const std::string& text);

  bool arrived_ = false;
  HWND tips_ = nullptr;
  std::map<HWND, std::string> waiting_;  // tips set before the pointer came
  std::set<HWND> tools_;
};

}  // namespace vantor::win32

// What the program's own controls tell a screen reader: an IAccessible
// over one control window, answered from the form host's record of it. The
// system's own object of the window answers for where it stands among the
// windows (parent, children, navigation, place on the screen); this one
// answers for what the control is (role, name, state, value, default
// action). A screen reader may hold the object after the window has gone:
// it then answers that it is no longer connected.
#pragma once

#include <memory>
#include <string>

#include "platform/accessibility.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// What the object asks of the form that holds the control.
class AccessibleSource {
 public:
  virtual ~AccessibleSource() = default;
  // False once the window is no longer one of the form's controls.
  virtual bool DescribeWindow(HWND window, AccessibleFacts& facts, std::wstring& value,
                              std::string& description) = 0;
  // The control's default action, done as a click would do it, later: a
  // screen reader's call must not run the program's handlers inside it.
  virtual void DoDefaultAction(HWND window) = 0;
};

// The answer to WM_GETOBJECT for OBJID_CLIENT. `alive` turns false when the
// source is gone.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, AccessibleSource& source,
                        const std::shared_ptr<bool>& alive);

// The system's role and state numbers for ours.
long SystemRole(AccessibleRole role);
long SystemState(unsigned state);

// A change a screen reader should hear of.
void Announce(HWND window, DWORD event);

}  // namespace vantor::win32

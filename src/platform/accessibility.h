// What a screen reader is told of a control (role, name, state, default
// action), and what the keys do on the window: where Tab goes and what a key
// does on the focused control. One set of rules, which the Win32 backend
// answers screen readers and keys with, and the simulation records, so that
// the core's choices are tested where they are made.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form_host.h"

namespace vantor {

// States a screen reader hears, as bits.
enum AccessibleState : unsigned {
  kStateUnavailable = 1u << 0,  // disabled
  kStateChecked = 1u << 1,      // a ticked box, the chosen option
  kStateSelected = 1u << 2,     // the current entry of a list
  kStateFocused = 1u << 3,
  kStateFocusable = 1u << 4,
  kStateSelectable = 1u << 5,  // an entry of a list
  kStateInvisible = 1u << 6,
  kStateReadOnly = 1u << 7,  // the topic pane's text
};

// A control as it stands now, as the backend keeps it.
struct ControlNow {
  std::string caption;
  std::string toolTip;
  std::string name;          // the window's own name for it; may be empty
  std::string labelCaption;  // the caption of the control that labels it
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  bool selected = false;
  bool focused = false;
};

struct AccessibleFacts {
  AccessibleRole role = AccessibleRole::StaticText;
  std::string name;
  unsigned state = 0;
  std::string defaultAction;  // empty: the control has none
  friend bool operator==(const AccessibleFacts&, const AccessibleFacts&) = default;
};

// The role the design gives, or the one its kind makes.
AccessibleRole RoleOf(const ControlSpec& design);
// Whether the keyboard can put the focus on the control, while it is shown
// and enabled: standard controls by their kind, our own ones as designed.
bool TakesFocus(const ControlSpec& design);
// The name is the label's caption, else the control's caption (without the
// "&" that marks its access key), else its tool tip, else the window's own
// name for it.
AccessibleFacts Describe(const ControlSpec& design, const ControlNow& now);
// "push button", "check box", ...: for the tests and the documentation.
std::string RoleName(AccessibleRole role);
// "unavailable checked focusable", in the order of the bits; "normal" for none.
std::string StateNames(unsigned state);

// What a key does on the focused control. None leaves the key to the window:
// Tab to the tab order, Enter to the default button, Escape to the cancel
// button.
enum class KeyAction {
  None,
  Click,           // as a click of the mouse on it
  FocusPrevious,   // the entry before it in its list takes the focus
  FocusNext,       // the entry after it
  ChoosePrevious,  // the option before it (round the group) takes the focus and is clicked
  ChooseNext,
  LineUp,  // the topic pane scrolls
  LineDown,
  PageUp,
  PageDown,
  Top,
  Bottom,
};
KeyAction ActionOfKey(const ControlSpec& design, Key key);

// Where the keyboard may go now, as the backend knows it.
struct FocusScene {
  // Shown, enabled and able to take the focus.
  std::function<bool(ControlId)> usable;
  // A chosen option.
  std::function<bool(ControlId)> checked;
};

// The controls Tab visits, in order, every element of an array on its own.
std::vector<ControlId> TabOrder(const FormSpec& design);
// Where Tab (or Shift+Tab, `backward`) moves the focus from `from`
// (kFormItself: from no control), round the end; a group of options is one
// stop, its chosen option (or else the first one Tab meets). kFormItself
// when nothing can take the focus.
ControlId NextTabStop(const FormSpec& design, ControlId from, bool backward,
                      const FocusScene& scene);
// The usable element of the same array before or after `from`, round the
// ends when `wrap`; kFormItself when there is none.
ControlId NeighbourInArray(const FormSpec& design, ControlId from, bool backward, bool wrap,
                           const FocusScene& scene);
// The control that `id` gives its caption to as a name (a picture beside
// its text), or kFormItself.
ControlId LabelledControl(const FormSpec& design, ControlId id);
// The control whose caption names `id`, or kFormItself.
ControlId LabelOf(const FormSpec& design, ControlId id);

}  // namespace vantor

// How each kind of control of a design table becomes a child window.
#pragma once

#include "platform/form_host.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

struct WindowRecipe {
  const char* className = nullptr;  // null: the control has no window (timers)
  DWORD style = 0;
  DWORD exStyle = 0;
  bool standardControl = false;  // a Windows control class that we subclass
};

// `startsGroup`: the control opens a new group for the dialog keys (every
// control but an option button that follows another in the same container).
WindowRecipe RecipeFor(const ControlSpec& design, bool startsGroup);

// The bounds as the control keeps them: a line may be given from either
// end, and is kept from its top left end.
Bounds StoredBounds(ControlKind kind, Bounds bounds);
// The size of the control's window: a combo box's window includes the list
// it drops down; a line is at least one pixel thick.
SIZE WindowSize(ControlKind kind, const Bounds& bounds);

bool IsPushButton(ControlKind kind);

}  // namespace vantor::win32

// The program's message loop: every message of the thread goes through
// Dispatch, so that the program's windows get their dialog keys (Tab,
// arrows, mnemonics, Enter and Escape) wherever the loop runs.
#pragma once

#include <functional>

#include "platform/win32/app.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// Runs the loop until `done` answers true (checked before each wait). A
// WM_QUIT ends it early and is posted again for the loop outside.
void RunMessageLoop(App& app, const std::function<bool()>& done);

// Dispatches every message that is waiting now, then returns.
void DispatchPending(App& app);

// Posts an empty message to the thread, so that a loop waiting for one
// checks its condition again. A window can end, or a modal window be
// hidden, inside a message sent from another thread or process, which
// GetMessage handles without returning.
void WakeMessageLoop();

}  // namespace vantor::win32

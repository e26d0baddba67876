// Finding other programs' windows and controls, and reporting geometry.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vdriver {

// The first top-level window whose title is exactly `title` (case
// sensitive, unlike FindWindowA, so that tests check the texts exactly).
// With `visibleOnly`, hidden windows are passed over. A `withControl` other
// than 0 passes over windows without a control of that ID: the about box
// carries the title of the window it was opened from.
HWND FindTopWindow(const std::string& title, bool visibleOnly, int withControl = 0);

// A descendant of `top` with this control ID, at any depth: the program's
// controls may sit inside panels.
HWND FindControl(HWND top, int id);

// The window or control text, read with WM_GETTEXT so that edit controls
// of another process answer too.
std::string WindowText(HWND window);

std::string ClassName(HWND window);

// Polls `done` every 10 ms until it returns true or `timeoutMs` has passed.
bool WaitUntil(long timeoutMs, const std::function<bool()>& done);

// "left=.. top=.. width=.. height=.." with `prefix` before each name.
std::string RectWords(const RECT& rect, const std::string& prefix);

// The client rectangle of `window` in screen coordinates.
RECT ClientOnScreen(HWND window);

// Finds the top-level window named on the command line (the first one
// holding control `withControl`, unless that is 0) or reports that there is
// none; `top` is set only on success.
bool RequireWindow(const std::string& title, HWND& top, long withControl = 0);
// The same for a control: the first window of that title that holds it.
// Id 0 is the window itself, then chosen by `withControl` as above.
bool RequireControl(const std::string& title, long id, HWND& top, HWND& control,
                    long withControl = 0);
// The control that a verb's "<title> <id>" arguments and its --with option
// name, as RequireControl finds it.
struct Args;
bool RequireControl(const Args& args, HWND& top, HWND& control);

}  // namespace vdriver

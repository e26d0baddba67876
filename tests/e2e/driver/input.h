// What the verbs that act as a user share.
#pragma once

#include <windows.h>

namespace vdriver {

struct Args;

// A user cannot click into a window that a modal one has disabled, nor on
// a greyed or hidden control; posted or sent messages would reach them all
// the same. Says so on stderr and returns false then.
bool TakesInput(HWND top, HWND control, const Args& args);

}  // namespace vdriver

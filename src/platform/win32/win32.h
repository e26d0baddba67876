// The Windows headers as the backend includes them. The Platform interface
// has members named like some of the ANSI/Unicode switch macros of
// <windows.h>; the macros go so that those members keep their names here.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// <windows.h> must come first.
#include <commctrl.h>

#undef MessageBox
#undef PostMessage
#undef WriteProfileString

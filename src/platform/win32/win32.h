// The Windows headers as the backend includes them. The Platform interface
// has a member named like one of the ANSI/Unicode switch macros of
// <windows.h>; the macro goes so that the member keeps its name here.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// <windows.h> must come first.
#include <commctrl.h>

#undef WriteProfileString

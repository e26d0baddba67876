// The window procedures of the backend's own window classes and of the
// standard controls it subclasses. Each finds its form host and hands the
// message to it.
#pragma once

#include "platform/win32/win32.h"

namespace vantor::win32 {

class Win32FormHost;

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Picture boxes, images and lines.
LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Routes the mouse moves of a standard control (label, button, list) to
// its form before its own procedure runs.
void SubclassStandardControl(HWND control, Win32FormHost* host);

}  // namespace vantor::win32

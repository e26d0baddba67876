// Text for the system's Unicode text functions. The settings file's texts
// are in the system's ANSI code page and the help title's in UTF-8; both
// are drawn and measured as Unicode, so that what shows does not depend on
// the character set the system picks for a font.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32.h"

namespace vantor::win32 {

// `text` of that code page as UTF-16; empty for text the system cannot
// convert.
std::wstring WideFrom(UINT codePage, std::string_view text);

// A text of the settings file (the ANSI code page) as UTF-16.
inline std::wstring WideFromAnsi(std::string_view text) { return WideFrom(CP_ACP, text); }

}  // namespace vantor::win32

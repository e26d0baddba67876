// The command line as a number: the framework's value-of-text conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// Blanks, tabs and line feeds anywhere are ignored; then the longest leading
// number is read: an optional sign, digits, one decimal point and an
// exponent introduced by E or D, or an integer after &H (hexadecimal) or &O
// (octal). A text that does not start with a number is 0.
double ValueOfText(std::string_view text);

// The launch mode a command line asks for: its value rounded halves-to-even
// into 16 bits. nullopt when it does not fit, or when the clip number it
// implies (mode - 1000) would not fit either.
std::optional<std::int16_t> LaunchModeFromCommandLine(std::string_view commandLine);

}  // namespace vantor

// The command line as a launch mode.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// The launch mode a command line asks for: its value rounded halves-to-even
// into 16 bits. nullopt when it does not fit, or when the clip number it
// implies (mode - 1000) would not fit either.
std::optional<std::int16_t> LaunchModeFromCommandLine(std::string_view commandLine);

}  // namespace vantor

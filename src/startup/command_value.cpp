#include "startup/command_value.h"

#include "common/numbers.h"

namespace vantor {

std::optional<std::int16_t> LaunchModeFromCommandLine(std::string_view commandLine) {
  const std::optional<std::int16_t> mode = ToInt16(ValueOfText(commandLine));
  if (!mode || *mode - 1000 < INT16_MIN) return std::nullopt;
  return mode;
}

}  // namespace vantor

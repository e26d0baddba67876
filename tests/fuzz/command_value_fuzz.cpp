// libFuzzer target for the command-line value: any text the host or a user
// can put on the command line.
//
// Build and run with clang (not part of the default build):
//   cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   ninja -C build/fuzz -j2
//   build/fuzz/command_value_fuzz -max_total_time=60
//
// Beyond "no crash, no undefined behaviour": a launch mode that comes back
// fits 16 bits together with its clip number, and blanks never change it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "startup/command_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int16_t> mode = vantor::LaunchModeFromCommandLine(text);
  if (mode && *mode - 1000 < INT16_MIN) std::abort();
  if (vantor::LaunchModeFromCommandLine(" " + text + "\t") != mode) std::abort();
  return 0;
}

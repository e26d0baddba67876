// What happens when an exception of the program's own code reaches the
// window procedures or the entry point: it must not unwind through Windows'
// frames, and a dialog of the runtime would leave the program hanging. The
// program names the error on the standard error stream and for a debugger,
// and ends at once with exit code 3, as an abort would.
#pragma once

#include <exception>

namespace vantor::win32 {

[[noreturn]] void FailFast(const char* what);

// Runs `action`; an exception that escapes it ends the program.
template <class Action>
void Guarded(Action&& action) {
  try {
    action();
  } catch (const std::exception& error) {
    FailFast(error.what());
  } catch (...) {
    FailFast("unknown exception");
  }
}

}  // namespace vantor::win32

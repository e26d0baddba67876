// The whole of start-up as the program's entry point calls it.
#pragma once

#include "program.h"

namespace vantor {

// Runs start-up with the program's own windows. Returns the exit code the
// process ends with once no window of the program is open any more.
int RunStartup(Program& program);

}  // namespace vantor

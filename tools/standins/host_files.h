// Where the help system's test doubles keep their files, and how they use
// them: a state file that a test sets and the doubles answer from, and a log
// of every call in call order.
//
// The folder is the one named by the environment variable VANTOR_HOST_DIR
// (a full path), else the folder of the library itself.
#pragma once

#include <cstdint>
#include <string>

namespace vantor::standins {

// Full path of the library this code was linked into.
std::string ThisLibraryPath();
std::string HostFolder();

// A value of section [HelpObject] of host-state.ini, read afresh on every
// call so that a test may change the file while the program runs.
std::int32_t ReadState(const char* key, std::int32_t fallback);
void WriteState(const char* key, std::int32_t value);

// Appends one line to host-calls.log.
void AppendLog(const std::string& line);

}  // namespace vantor::standins

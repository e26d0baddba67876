// A file read whole with the system's own calls: the C++ streams would
// bring their whole locale machinery into the program.
#pragma once

#include <string>

namespace vantor::win32 {

// The file's bytes into `text`; false when it cannot be opened or read.
// Others may go on reading, writing and deleting it meanwhile, as with the
// profile functions.
bool ReadWholeFile(const std::string& path, std::string& text);

}  // namespace vantor::win32

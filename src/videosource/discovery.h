// Finding the folder that holds the how-to clips: where they were found
// last, a CD-ROM by its volume label, or a folder the user names or picks.
#pragma once

#include <string>

#include "program.h"

namespace vantor {

// The clip folder, or "" when the user gave up (cancelled the prompt).
std::string FindVideoFolder(Program& program);

// 1 when `path` names a normal file (a path that ends in a backslash: when
// its folder holds any normal file), else 0.
int FileExists(Program& program, const std::string& path);

}  // namespace vantor

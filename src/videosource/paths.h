// The path rules of the clip folder search and its folder picker. Pure
// text functions: they never look at a disk.
#pragma once

#include <string>

namespace vantor {

// The folder part of a path, in lower case, with a trailing backslash:
// "E:\Clips\intro.avi" gives "e:\clips\", "e:intro.avi" gives "e:\", a lone
// letter "x" gives "x:\"; text in front of a drive letter is dropped. A
// path without any folder part (a lone "\", "1", "clips") gives "".
std::string FolderOfPath(const std::string& path);

// A folder path made absolute, with a trailing backslash, its letter case
// kept: " e: " gives "e:\", ":\clips" gives "c:\clips\", "ab e:\x" gives
// "e:\x\"; a path without a drive ("clips") goes on the drive of
// `currentFolder`. An empty path gives "\".
std::string NormalizeFolderPath(const std::string& path, const std::string& currentFolder);

std::string LowerCase(std::string text);

}  // namespace vantor

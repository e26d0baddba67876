// libFuzzer target for the clip folder search's path rules: any text a user
// can type into the missing-CD prompt or leave in the settings file.
//
// Build and run with clang (not part of the default build):
//   cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   ninja -C build/fuzz -j2
//   build/fuzz/path_rules_fuzz -max_total_time=60
//
// Beyond "no crash, no undefined behaviour": a folder part is empty or ends
// in a backslash, has no upper-case letter and is its own folder part; a
// normalised folder ends in a backslash; the picker's folder list of any
// normalised folder holds its open folder.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "videosource/folder_list.h"
#include "videosource/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string folder = vantor::FolderOfPath(text);
  if (!folder.empty() && folder.back() != '\\') std::abort();
  if (folder != vantor::LowerCase(folder)) std::abort();
  if (vantor::FolderOfPath(folder) != folder) std::abort();

  const std::string normal = vantor::NormalizeFolderPath(text, "d:\\work");
  if (normal.empty() || normal.back() != '\\') std::abort();
  const auto entries = vantor::FolderListEntries(normal, {"sub"});
  const int open = vantor::OpenFolderIndex(normal);
  if (open < 0 || static_cast<std::size_t>(open) + 1 >= entries.size()) std::abort();
  return 0;
}

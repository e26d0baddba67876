// Reading the files of an installation as they are: the settings file, the
// help title and the head of each clip, for the authoring checker.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vantor {

class FileReader {
 public:
  virtual ~FileReader() = default;
  // At most the first `limit` bytes of the file at `path`; nullopt when it
  // cannot be opened or read (missing, a folder, held by another program).
  virtual std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) = 0;
};

}  // namespace vantor

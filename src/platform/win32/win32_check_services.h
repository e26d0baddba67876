// What vantor-check asks of Windows beyond the program's own backend: the
// files of an installation read as they are, and the system's code page.
#pragma once

#include "platform/code_page.h"
#include "platform/file_reader.h"

namespace vantor::win32 {

class Win32FileReader final : public FileReader {
 public:
  std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) override;
};

class Win32CodePage final : public CodePage {
 public:
  unsigned Number() override;
  bool Holds(char32_t character) override;
  // As the program's settings reader gets it (AnsiTextOf).
  std::string SettingsText(const std::string& bytes) override;
  std::string ToUtf8(const std::string& text) override;
};

}  // namespace vantor::win32

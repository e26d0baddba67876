// What vantor-check asks of Windows beyond the program's own backend: the
// files of an installation read as they are, and the system's code page.
#pragma once

#include "platform/code_page.h"
#include "platform/file_reader.h"
#include "platform/text_measurer.h"
#include "platform/win32/gdi_cache.h"

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

// The windows' fonts, made as they make them (GdiCache), measured on the
// screen as the windows measure theirs.
class Win32TextMeasurer final : public TextMeasurer {
 public:
  Win32TextMeasurer() : gdi_(GetModuleHandleW(nullptr)) {}
  TextSize MeasureText(const Font& font, const std::string& text) override;
  TextSize MeasureUtf8(const Font& font, const std::string& text) override;
  int CaptionHeightPx() override { return GetSystemMetrics(SM_CYCAPTION); }

 private:
  TextSize Measure(const Font& font, const std::wstring& text);
  GdiCache gdi_;
};

}  // namespace vantor::win32

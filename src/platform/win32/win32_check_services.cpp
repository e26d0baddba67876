#include "platform/win32/win32_check_services.h"

#include "platform/win32/profile_cache.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

std::optional<std::string> Win32FileReader::ReadFile(const std::string& path, std::size_t limit) {
  // A damaged disc or an empty drive must fail quietly, not with a system box.
  const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  SetErrorMode(errorMode);
  if (!file.Valid()) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (bytes.size() < limit) {
    const DWORD want = static_cast<DWORD>(limit - bytes.size() < sizeof chunk ? limit - bytes.size()
                                                                              : sizeof chunk);
    if (!::ReadFile(file, chunk, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return bytes;
}

unsigned Win32CodePage::Number() { return GetACP(); }

bool Win32CodePage::Holds(char32_t character) {
  // A system that reads every text as UTF-8 has every letter.
  if (GetACP() == CP_UTF8) return true;
  wchar_t wide[2];
  int units = 1;
  if (character >= 0x10000) {
    wide[0] = static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    units = 2;
  } else {
    wide[0] = static_cast<wchar_t>(character);
  }
  char bytes[8];
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, bytes, sizeof bytes,
                                    nullptr, &usedDefault);
  return n > 0 && !usedDefault;
}

std::string Win32CodePage::SettingsText(const std::string& bytes) { return AnsiTextOf(bytes); }

std::string Win32CodePage::ToUtf8(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (units <= 0) return text;
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), units);
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), n, nullptr, nullptr);
  return utf8;
}

// As Win32FormHost::MeasureText: an empty text is one line high.
TextSize Win32TextMeasurer::Measure(const Font& font, const std::wstring& text) {
  const WindowDC dc(nullptr);
  const SelectedObject selected(dc, gdi_.FontFor(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  if (text.empty()) return {0, metrics.tmHeight};
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

TextSize Win32TextMeasurer::MeasureText(const Font& font, const std::string& text) {
  return Measure(font, WideFromAnsi(text));
}

TextSize Win32TextMeasurer::MeasureUtf8(const Font& font, const std::string& text) {
  return Measure(font, WideFrom(CP_UTF8, text));
}

}  // namespace vantor::win32

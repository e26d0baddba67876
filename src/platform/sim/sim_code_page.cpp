#include "platform/sim/sim_code_page.h"

#include "common/encoding.h"
#include "common/unicode.h"

namespace vantor::sim {
namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page has none
// (Windows reads those five bytes as the control characters of their number).
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of a character, or 0 when the code page lacks it.
unsigned char ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] != 0 && kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
  return 0;
}

}  // namespace

bool Windows1252::Holds(char32_t character) { return character == 0 || ByteOf(character) != 0; }

std::string Windows1252::SettingsText(const std::string& bytes) {
  const auto text = DecodeMarked(bytes);
  if (!text) return bytes;
  std::string ansi;
  for (const char32_t c : *text) {
    const unsigned char byte = ByteOf(c);
    ansi += c == 0 ? '\0' : byte != 0 ? static_cast<char>(byte) : '?';
  }
  return ansi;
}

std::string Windows1252::ToUtf8(const std::string& text) {
  std::string utf8;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t wide =
        byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] ? kHigh[byte - 0x80] : byte;
    encoding::AppendUtf8(utf8, wide);
  }
  return utf8;
}

}  // namespace vantor::sim

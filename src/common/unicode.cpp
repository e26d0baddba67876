#include "common/unicode.h"

#include <cstdio>

namespace vantor {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character that starts at `i`, and the index after it; U+FFFD and one
// byte on for anything that is not well-formed UTF-8.
char32_t NextUtf8(std::string_view bytes, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  ++i;
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return kReplacement;
  }
  const std::size_t start = i;
  for (int k = 0; k < more; ++k) {
    if (i >= bytes.size()) break;
    const auto next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) break;
    c = (c << 6) | (next & 0x3F);
    ++i;
  }
  if (i - start != static_cast<std::size_t>(more) || c < least || c > 0x10FFFF ||
      (c >= 0xD800 && c <= 0xDFFF)) {
    i = start;
    return kReplacement;
  }
  return c;
}

}  // namespace

std::optional<std::u32string> DecodeMarked(std::string_view bytes) {
  std::u32string text;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    for (std::size_t i = 3; i < bytes.size();) text += NextUtf8(bytes, i);
    return text;
  }
  const bool little = bytes.starts_with("\xFF\xFE");
  if (!little && !bytes.starts_with("\xFE\xFF")) return std::nullopt;
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return little ? (b << 8) | a : (a << 8) | b;
  };
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    text += c >= 0xD800 && c <= 0xDFFF ? kReplacement : c;
  }
  return text;
}

std::string CodePointName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

}  // namespace vantor

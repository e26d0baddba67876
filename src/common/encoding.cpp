#include "common/encoding.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vantor::encoding {

namespace {

constexpr std::string_view kSignature = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the rest of the upper half is Latin-1.
// The five bytes the code page leaves unassigned map to the control
// characters of the same number, as the system's own conversion does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

unsigned Byte(std::string_view text, std::size_t at) {
  return static_cast<unsigned char>(text[at]);
}

// The character at `at` and its length, or nullopt when no valid sequence
// starts there.
std::optional<char32_t> DecodeAt(std::string_view text, std::size_t at, std::size_t& length) {
  const unsigned lead = Byte(text, at);
  length = 1;
  if (lead < 0x80) return lead;
  unsigned low = 0x80;  // the second byte's range narrows for some leads
  unsigned high = 0xBF;
  char32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // past U+10FFFF
  } else {
    return std::nullopt;
  }
  if (text.size() - at < length) {
    length = 1;
    return std::nullopt;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned next = Byte(text, at + i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
      length = 1;
      return std::nullopt;
    }
    value = (value << 6) | (next & 0x3F);
  }
  return value;
}

}  // namespace

std::size_t SignatureLength(std::string_view bytes) {
  return bytes.starts_with(kSignature) ? kSignature.size() : 0;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t length = 0;
  for (std::size_t at = 0; at < bytes.size(); at += length)
    if (!DecodeAt(bytes, at, length)) return false;
  return true;
}

Encoding Detect(std::string_view bytes) {
  if (SignatureLength(bytes) > 0) return Encoding::Utf8Signature;
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
    return Encoding::Ascii;
  return IsValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto put = [&out](unsigned value) { out += static_cast<char>(value); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

std::string ToUtf8(std::string_view bytes, Encoding encoding) {
  std::string out;
  switch (encoding) {
    case Encoding::Ascii:
      return std::string(bytes);
    case Encoding::Utf8:
    case Encoding::Utf8Signature: {
      if (IsValidUtf8(bytes)) return std::string(bytes);
      out.reserve(bytes.size() + 8);
      std::size_t length = 0;
      for (std::size_t at = 0; at < bytes.size(); at += length) {
        const std::optional<char32_t> c = DecodeAt(bytes, at, length);
        if (c) {
          out.append(bytes.substr(at, length));
        } else {
          AppendUtf8(out, kReplacement);
        }
      }
      return out;
    }
    case Encoding::Windows1252:
      out.reserve(bytes.size() + bytes.size() / 4);
      for (const char b : bytes) {
        const unsigned byte = static_cast<unsigned char>(b);
        if (byte < 0x80) {
          out += b;
        } else {
          AppendUtf8(out, byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
        }
      }
      return out;
  }
  return out;
}

std::size_t CharacterLength(std::string_view utf8, std::size_t at) {
  if (Byte(utf8, at) < 0x80) return 1;  // most of any text
  std::size_t length = 1;
  DecodeAt(utf8, at, length);
  return length;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < utf8.size(); at += CharacterLength(utf8, at)) ++count;
  return count;
}

}  // namespace vantor::encoding

#include "settings/ini_file.h"

#include <string_view>
#include <vector>

#include "common/text.h"
#include "settings/ini_lines.h"

namespace vantor::ini {
namespace {

using lines::ForEachLine;
using lines::Line;
using lines::LineKind;
using lines::ParsedLine;
using lines::ParseLine;

// A string read fills a 256-character buffer: 255 characters and the end.
constexpr std::size_t kStringLimit = 255;
// An integer read first reads the value as a string into 30 characters.
constexpr std::size_t kIntegerTextLimit = 29;

// A value in matching double or single quotes loses them; the quotes
// protect blanks at either end of it.
std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// The conversion of the integer read: leading control characters and
// blanks skipped, one sign, a lower-case "0x", "0o" or "0b" prefix for
// another base, digits up to the first that does not belong, and the
// total kept modulo 2^32 as Windows keeps it in an unsigned 32-bit number.
std::int32_t ToInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::uint32_t base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    const char prefix = text[i + 1];
    if (prefix == 'x') base = 16;
    if (prefix == 'o') base = 8;
    if (prefix == 'b') base = 2;
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (static_cast<std::uint32_t>(digit) >= base) break;
    total = total * base + static_cast<std::uint32_t>(digit);
  }
  if (negative) total = 0u - total;
  return static_cast<std::int32_t>(total);
}

std::string LowerName(std::string_view section, std::string_view key) {
  std::string name;
  name.reserve(section.size() + 1 + key.size());
  for (char c : section) name += AsciiLower(c);
  name += '\n';
  for (char c : key) name += AsciiLower(c);
  return name;
}

}  // namespace

namespace lines {

ParsedLine ParseLine(std::string_view line) {
  ParsedLine parsed;
  const std::string_view content = TrimBlanks(line);
  if (content.empty() || content.front() == ';') return parsed;
  if (content.front() == '[') {
    const std::size_t close = content.rfind(']');
    if (close != std::string_view::npos) {
      parsed.kind = LineKind::Section;
      parsed.name = TrimBlanks(content.substr(1, close - 1));
      return parsed;
    }
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.kind = LineKind::Key;
  parsed.name = TrimBlanks(line.substr(0, equals));
  parsed.value = TrimBlanks(line.substr(equals + 1));
  parsed.equals = equals;
  return parsed;
}

}  // namespace lines

Index::Index(std::string_view text) {
  // Only the first section of a name is ever searched, and in it only the
  // first key of a name: what comes later under the same names is left out.
  // A section is noted under its name and an empty key, which no read asks
  // for.
  bool searched = false;
  std::string_view section;
  ForEachLine(text, [&](const Line& line) {
    const ParsedLine parsed = ParseLine(text.substr(line.begin, line.end - line.begin));
    if (parsed.kind == LineKind::Section) {
      section = parsed.name;
      searched = values_.try_emplace(LowerName(section, {})).second;
    } else if (parsed.kind == LineKind::Key && searched && !parsed.name.empty()) {
      values_.try_emplace(LowerName(section, parsed.name),
                          StripQuotes(parsed.value).substr(0, kStringLimit));
    }
  });
}

std::optional<std::string> Index::ReadString(std::string_view section, std::string_view key) const {
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  if (sectionName.empty() || keyName.empty()) return std::nullopt;
  const auto found = values_.find(LowerName(sectionName, keyName));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::int32_t Index::ReadInt(std::string_view section, std::string_view key,
                            std::int32_t fallback) const {
  const std::optional<std::string> value = ReadString(section, key);
  if (!value || value->empty()) return fallback;
  return ToInteger(std::string_view(*value).substr(0, kIntegerTextLimit));
}

}  // namespace vantor::ini

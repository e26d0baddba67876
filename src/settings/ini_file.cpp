#include "settings/ini_file.h"

#include <string_view>
#include <vector>

#include "common/text.h"

namespace vantor::ini {
namespace {

// A string read fills a 256-character buffer: 255 characters and the end.
constexpr std::size_t kStringLimit = 255;
// An integer read first reads the value as a string into 30 characters.
constexpr std::size_t kIntegerTextLimit = 29;
// Lines that a write adds end the way Windows ends them.
constexpr std::string_view kLineEnd = "\r\n";

// One line of the text: [begin, end) is its content, `next` the start of the
// line after it (end + the length of its line end, which is CR LF, LF or CR).
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

// Calls `visit` with each line of the text in order.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      visit(Line{begin, text.size(), text.size()});
      break;
    }
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    visit(Line{begin, end, next});
    begin = next;
  }
}

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  ForEachLine(text, [&lines](const Line& line) { lines.push_back(line); });
  return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;   // section or key name, without blanks around it
  std::string_view value;  // key value, without blanks around it
  std::size_t equals = 0;  // position of the key's '=' within the line
};

// A section header runs from '[' to the last ']' of the line, so that text
// after the bracket is ignored; comments start with ';'; a key line is any
// other line with an '='. Blank lines and lines without '=' hold nothing.
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

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Where a key is, or would go. Only the first section of a name counts: a
// later section of the same name is never searched.
struct Location {
  std::size_t sectionLine = kNone;
  std::size_t keyLine = kNone;
  std::size_t lastKeyLine = kNone;  // of the section, when the key is missing
  ParsedLine key;
};

Location Find(std::string_view text, const std::vector<Line>& lines, std::string_view section,
              std::string_view key) {
  Location found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
    const ParsedLine parsed = ParseLine(line);
    if (found.sectionLine == kNone) {
      if (parsed.kind == LineKind::Section && SameWithoutCase(parsed.name, section))
        found.sectionLine = i;
      continue;
    }
    if (parsed.kind == LineKind::Section) break;
    if (parsed.kind != LineKind::Key) continue;
    if (SameWithoutCase(parsed.name, key)) {
      found.keyLine = i;
      found.key = parsed;
      return found;
    }
    found.lastKeyLine = i;
  }
  return found;
}

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

std::optional<std::string> ReadString(const std::string& text, const std::string& section,
                                      const std::string& key) {
  return Index(text).ReadString(section, key);
}

std::int32_t ReadInt(const std::string& text, const std::string& section, const std::string& key,
                     std::int32_t fallback) {
  return Index(text).ReadInt(section, key, fallback);
}

std::string WriteString(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value) {
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  if (sectionName.empty() || keyName.empty()) return text;
  const std::vector<Line> lines = SplitLines(text);
  const Location found = Find(text, lines, sectionName, keyName);

  if (found.keyLine != kNone) {
    // The key's own spelling and everything up to its '=' stay as they are.
    const Line& line = lines[found.keyLine];
    return text.substr(0, line.begin + found.key.equals + 1) + value + text.substr(line.end);
  }

  const std::string entry = std::string(keyName) + "=" + value + std::string(kLineEnd);
  if (found.sectionLine != kNone) {
    const std::size_t after = found.lastKeyLine != kNone ? found.lastKeyLine : found.sectionLine;
    const Line& line = lines[after];
    if (line.next == line.end) {
      // The last line of a file without a final line end.
      return text + std::string(kLineEnd) + entry;
    }
    return text.substr(0, line.next) + entry + text.substr(line.next);
  }

  std::string result = text;
  if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += kLineEnd;
  return result + "[" + std::string(sectionName) + "]" + std::string(kLineEnd) + entry;
}

}  // namespace vantor::ini

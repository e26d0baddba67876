#include "settings/ini_text.h"

#include <string_view>
#include <vector>

#include "common/text.h"
#include "settings/ini_file.h"
#include "settings/ini_lines.h"

namespace vantor::ini {
namespace {

using lines::ForEachLine;
using lines::Line;
using lines::LineKind;
using lines::ParsedLine;
using lines::ParseLine;

// Lines that a write adds end the way Windows ends them.
constexpr std::string_view kLineEnd = "\r\n";

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  ForEachLine(text, [&lines](const Line& line) { lines.push_back(line); });
  return lines;
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

}  // namespace

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

#include "check/ini_map.h"

#include "common/text.h"
#include "settings/ini_lines.h"

namespace vantor::check {
namespace {

std::string Lower(std::string_view name) {
  std::string lower;
  lower.reserve(name.size());
  for (const char c : name) lower += AsciiLower(c);
  return lower;
}

}  // namespace

IniMap::IniMap(std::string_view text) {
  int number = 0;
  ini::lines::ForEachLine(text, [&](const ini::lines::Line& line) {
    ++number;
    const std::string_view content = text.substr(line.begin, line.end - line.begin);
    const ini::lines::ParsedLine parsed = ini::lines::ParseLine(content);
    switch (parsed.kind) {
      case ini::lines::LineKind::Section:
        firstSection_.try_emplace(Lower(parsed.name), sections_.size());
        sections_.push_back(IniSection{std::string(parsed.name), number, {}, {}, {}});
        break;
      case ini::lines::LineKind::Key: {
        IniKey key{std::string(parsed.name), std::string(parsed.value), number};
        if (sections_.empty()) {
          unsectioned_.push_back(std::move(key));
        } else {
          IniSection& section = sections_.back();
          section.firstKey.try_emplace(Lower(key.name), section.keys.size());
          section.keys.push_back(std::move(key));
        }
        break;
      }
      case ini::lines::LineKind::Other: {
        const std::string_view trimmed = TrimBlanks(content);
        if (!trimmed.empty() && trimmed.front() != ';' && !sections_.empty())
          sections_.back().idleLines.push_back(number);
        break;
      }
    }
  });
}

const IniSection* IniMap::Find(std::string_view section) const {
  const auto found = firstSection_.find(Lower(TrimBlanks(section)));
  return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

const IniKey* IniMap::FindKey(std::string_view section, std::string_view key) const {
  const IniSection* s = Find(section);
  if (!s) return nullptr;
  const auto found = s->firstKey.find(Lower(TrimBlanks(key)));
  return found == s->firstKey.end() ? nullptr : &s->keys[found->second];
}

int IniMap::LineOf(std::string_view section, std::string_view key) const {
  if (const IniKey* k = key.empty() ? nullptr : FindKey(section, key)) return k->line;
  const IniSection* s = Find(section);
  return s ? s->line : 0;
}

std::string_view UnquotedValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace vantor::check

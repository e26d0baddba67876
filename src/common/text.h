// Small text rules shared by the program's readers of plain-text files:
// blanks are spaces and tabs, names compare without regard to ASCII case;
// and how the program joins a folder and a name into a path.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Takes the first line off `text`: up to its line feed, a carriage return
// before that dropped, so that files with either line end read alike.
inline std::string_view TakeLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal but for the case of ASCII letters; other bytes must match exactly.
inline bool SameWithoutCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// Joins a folder and a name with exactly one backslash between them.
// One leading backslash of the name is dropped; a name that is a single
// backslash becomes empty.
inline std::string JoinPath(const std::string& folder, std::string name) {
  if (!name.empty() && name.front() == '\\') name.erase(0, 1);
  if (folder.empty()) return name;
  return folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

}  // namespace vantor

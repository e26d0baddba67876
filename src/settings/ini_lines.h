// The line rules of INI text, shared by the program's reader (Index) and
// the whole-text reads and write of ini_text.h.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantor::ini::lines {

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
ParsedLine ParseLine(std::string_view line);

}  // namespace vantor::ini::lines

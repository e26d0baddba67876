#include "case_file.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace inidiff {
namespace {

[[noreturn]] void Fail(int lineNumber, const std::string& message) {
  throw std::runtime_error("cases line " + std::to_string(lineNumber) + ": " + message);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads one escape sequence starting after the backslash at `text[i]`;
// appends its bytes to `out` and returns the index after it.
std::size_t Unescape(const std::string& text, std::size_t i, std::string& out, int lineNumber) {
  if (i >= text.size()) Fail(lineNumber, "backslash at the end of the line");
  const char c = text[i];
  static const std::string kNamed = "tsrn\\\"";
  static const std::string kMeant = "\t \r\n\\\"";
  if (const std::size_t at = kNamed.find(c); at != std::string::npos) {
    out += kMeant[at];
    return i + 1;
  }
  switch (c) {
    case 'x': {
      const int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
      const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
      if (high < 0 || low < 0) Fail(lineNumber, "\\x needs two hex digits");
      out += static_cast<char>(high * 16 + low);
      return i + 3;
    }
    case '{': {
      // \{N}c: the character c, N times (long values without long lines).
      const std::size_t close = text.find('}', i);
      if (close == std::string::npos || close + 1 >= text.size()) Fail(lineNumber, "bad \\{N}c");
      const int count = std::atoi(text.substr(i + 1, close - i - 1).c_str());
      if (count <= 0) Fail(lineNumber, "bad repeat count");
      out.append(static_cast<std::size_t>(count), text[close + 1]);
      return close + 2;
    }
    default:
      Fail(lineNumber, std::string("unknown escape \\") + c);
  }
}

std::string UnescapeAll(const std::string& text, int lineNumber) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\\') {
      i = Unescape(text, i + 1, out, lineNumber);
    } else {
      out += text[i++];
    }
  }
  return out;
}

// Splits an operation line into words; "double quoted" words may hold
// blanks and escapes, and may be empty.
std::vector<std::string> Words(const std::string& line, int lineNumber) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) return words;
    std::string word;
    if (line[i] == '"') {
      ++i;
      while (true) {
        if (i >= line.size()) Fail(lineNumber, "unterminated quote");
        if (line[i] == '"') break;
        if (line[i] == '\\') {
          i = Unescape(line, i + 1, word, lineNumber);
        } else {
          word += line[i++];
        }
      }
      ++i;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
      word = UnescapeAll(word, lineNumber);
    }
    words.push_back(word);
  }
}

std::int32_t ParseFallback(const std::string& word, int lineNumber) {
  char* end = nullptr;
  const long long number = std::strtoll(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || number < INT32_MIN || number > INT32_MAX) {
    Fail(lineNumber, "bad default " + word);
  }
  return static_cast<std::int32_t>(number);
}

struct Builder {
  std::vector<Case> cases;
  std::vector<std::string> fileLines;
  std::string lineEnd = "\r\n";
  bool lastLineEnded = true;

  void FinishCase() {
    if (cases.empty()) return;
    Case& c = cases.back();
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
      c.text += fileLines[i];
      if (i + 1 < fileLines.size() || lastLineEnded) c.text += lineEnd;
    }
    fileLines.clear();
    lineEnd = "\r\n";
    lastLineEnded = true;
  }

  Case& Current(int lineNumber) {
    if (cases.empty()) Fail(lineNumber, "no case started yet");
    return cases.back();
  }
};

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string TrimBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const std::size_t last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

void AddKey(std::vector<std::pair<std::string, std::string>>& keys, const std::string& section,
            const std::string& key) {
  for (const auto& [s, k] : keys) {
    if (SameName(s, section) && SameName(k, key)) return;
  }
  keys.emplace_back(section, key);
}

}  // namespace

std::vector<Case> ParseCases(const std::string& table) {
  Builder b;
  std::istringstream in(table);
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '|') {
      b.Current(lineNumber);
      const std::size_t start = line.size() > 1 && line[1] == ' ' ? 2 : 1;
      b.fileLines.push_back(UnescapeAll(line.substr(start), lineNumber));
      continue;
    }
    const std::vector<std::string> words = Words(line, lineNumber);
    if (words.empty()) continue;
    const std::string& verb = words[0];
    if (verb == "case") {
      b.FinishCase();
      Case c;
      c.number = static_cast<int>(b.cases.size()) + 1;
      c.title = TrimBlanks(line.substr(4));
      b.cases.push_back(c);
    } else if (verb == "eol" && words.size() == 2) {
      b.Current(lineNumber);
      if (words[1] == "crlf") {
        b.lineEnd = "\r\n";
      } else if (words[1] == "lf") {
        b.lineEnd = "\n";
      } else if (words[1] == "cr") {
        b.lineEnd = "\r";
      } else {
        Fail(lineNumber, "eol is crlf, lf or cr");
      }
    } else if (verb == "noeol" && words.size() == 1) {
      b.Current(lineNumber);
      b.lastLineEnded = false;
    } else if (verb == "nofile" && words.size() == 1) {
      b.Current(lineNumber).fileExists = false;
    } else if (verb == "read" && words.size() == 3) {
      b.Current(lineNumber).ops.push_back({OpKind::ReadString, words[1], words[2], "", 0});
    } else if (verb == "int" && words.size() == 4) {
      b.Current(lineNumber)
          .ops.push_back(
              {OpKind::ReadInt, words[1], words[2], "", ParseFallback(words[3], lineNumber)});
    } else if (verb == "write" && words.size() == 4) {
      b.Current(lineNumber).ops.push_back({OpKind::Write, words[1], words[2], words[3], 0});
    } else {
      Fail(lineNumber, "cannot read: " + line);
    }
  }
  b.FinishCase();
  for (const Case& c : b.cases) {
    if (!c.fileExists && !c.text.empty()) {
      throw std::runtime_error("case " + std::to_string(c.number) + " has text and nofile");
    }
  }
  return b.cases;
}

std::vector<std::pair<std::string, std::string>> KeysOfCase(const Case& c) {
  std::vector<std::pair<std::string, std::string>> keys;
  for (const Op& op : c.ops) AddKey(keys, op.section, op.key);
  // A rough scan of the text, independent of both readers under test: it
  // only has to name the keys, not to judge them.
  std::string section;
  bool inSection = false;
  std::size_t start = 0;
  while (start < c.text.size()) {
    std::size_t end = c.text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = c.text.size();
    const std::string line = TrimBlanks(c.text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.find(']') != std::string::npos) {
      section = TrimBlanks(line.substr(1, line.rfind(']') - 1));
      inSection = true;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string::npos) continue;
    const std::string key = TrimBlanks(line.substr(0, equals));
    if (!key.empty() && !section.empty()) AddKey(keys, section, key);
  }
  return keys;
}

std::string Quote(const std::string& value) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char ch : value) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c > 0x7e) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

}  // namespace inidiff

// The table of INI cases that the real profile functions and our reader and
// writer are both run through. One case is a file's text (or no file) and a
// list of reads and writes in order.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace inidiff {

enum class OpKind { ReadString, ReadInt, Write };

struct Op {
  OpKind kind = OpKind::ReadString;
  std::string section;
  std::string key;
  std::string value;          // the value of a write
  std::int32_t fallback = 0;  // the default of an integer read
};

struct Case {
  int number = 0;  // 1, 2, ... in the order of the table
  std::string title;
  bool fileExists = true;
  std::string text;  // the file's bytes
  std::vector<Op> ops;
};

// Parses the table; throws std::runtime_error naming the line on a syntax
// error, so that a typo in the table never passes as "no difference".
std::vector<Case> ParseCases(const std::string& table);

// Every (section, key) the case names: those of its operations, then those
// that its file text defines, each once (names compared without regard to
// case). A write is checked against all of them afterwards.
std::vector<std::pair<std::string, std::string>> KeysOfCase(const Case& c);

// A value as one printable token: in double quotes, with C escapes for
// quotes, backslashes and every byte outside printable ASCII.
std::string Quote(const std::string& value);

}  // namespace inidiff

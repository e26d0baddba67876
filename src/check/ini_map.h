// The settings file line by line, as the program's reader splits it
// (ini::lines): every section and key with the line it stands on, repeats
// and lines that define nothing included. The program itself keeps only
// what it reads (ini::Index); the checker needs to know where each thing
// stands and what is never read.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor::check {

struct IniKey {
  std::string name;
  std::string value;  // without blanks around it, quotes kept, not cut
  int line = 0;
};

struct IniSection {
  std::string name;
  int line = 0;  // of its header
  std::vector<IniKey> keys;
  // Lines in the section that are neither keys, comments nor blank: they
  // define nothing.
  std::vector<int> idleLines;
  // The first key of each name (lower case), as an index into `keys`.
  std::unordered_map<std::string, std::size_t> firstKey;
};

class IniMap {
 public:
  IniMap() = default;
  explicit IniMap(std::string_view text);

  // Every section in file order, repeats included. Keys before the first
  // section belong to none and are kept apart.
  const std::vector<IniSection>& Sections() const { return sections_; }
  const std::vector<IniKey>& KeysBeforeSections() const { return unsectioned_; }

  // The first section of that name (the one the profile functions read),
  // compared without case; null when there is none.
  const IniSection* Find(std::string_view section) const;
  // The first key of that name in that section; null when there is none.
  const IniKey* FindKey(std::string_view section, std::string_view key) const;
  // The line of the key as it is read; else of its section; else 0.
  int LineOf(std::string_view section, std::string_view key = {}) const;

 private:
  std::vector<IniSection> sections_;
  std::vector<IniKey> unsectioned_;
  // The first section of each name (lower case), as an index into sections_:
  // a task of thousands of topics is looked up key by key.
  std::unordered_map<std::string, std::size_t> firstSection_;
};

// The value as the program reads it, before the cut at 255 characters:
// matching quotes at both ends removed.
std::string_view UnquotedValue(std::string_view value);

}  // namespace vantor::check

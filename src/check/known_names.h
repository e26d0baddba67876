// The sections and keys of zthelp.ini that the program reads, and the name
// it reads that a misspelt one was most likely meant to be.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantor::check {

struct SectionKind {
  const char* name;  // the section, or the stem of a numbered one
  bool numbered;     // "coachTopic" n
  std::vector<const char*> keys;
  const char* numberedKey;  // a key read with a number after it, or null
  // Only the program writes here: keys of another name are a mistake. The
  // host shares the general and text sections and may keep keys of its own.
  bool programOnly;
  // Keys read that have a default of their own: nothing is amiss when they
  // are missing.
  std::vector<const char*> optionalKeys = {};
};

// The kind of a section the program reads, matching exactly (but for case);
// null for any other. `number` gets the section's number (-1 when none).
const SectionKind* KindOfSection(std::string_view name, int* number = nullptr);

// The name of a section the program reads that `name` is close to (a
// letter or two off, blanks or leading zeros added); empty when none is.
std::string NearSectionName(std::string_view name);

bool IsKnownKey(const SectionKind& kind, std::string_view key);
std::string NearKeyName(const SectionKind& kind, std::string_view key);

// The least number of letters to add, drop, change or swap (two that stand
// side by side) to make one name the other, without regard to case.
int NameDistance(std::string_view a, std::string_view b);

// True when `digits` is a number as the program writes it: decimal, no sign,
// no leading zero ("0" itself aside).
bool IsPlainNumber(std::string_view digits);

}  // namespace vantor::check

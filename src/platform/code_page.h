// The system's ANSI code page: zthelp.ini is read in it and its texts are
// shown in it, so a letter that the code page lacks cannot show.
#pragma once

#include <string>

namespace vantor {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Its number, e.g. 1252 for Western European, 1251 for Cyrillic.
  virtual unsigned Number() = 0;
  // True when the character has a letter of its own in the code page (no
  // look-alike, no question mark).
  virtual bool Holds(char32_t character) = 0;
  // The text of a settings file as the profile functions hand it to the
  // program: a file with a byte-order mark decoded into the code page (a
  // letter it lacks reads as "?"); any other file byte for byte.
  virtual std::string SettingsText(const std::string& bytes) = 0;
  // Text in the code page as UTF-8, for tools that read UTF-8 (JSON).
  virtual std::string ToUtf8(const std::string& text) = 0;
};

}  // namespace vantor

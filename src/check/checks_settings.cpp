// The settings file as text: its encoding, its section and key names,
// repeats, and values that the program reads otherwise than they look.
#include <algorithm>
#include <map>

#include "check/checks.h"
#include "check/known_names.h"
#include "common/encoding.h"
#include "common/text.h"
#include "common/unicode.h"

namespace vantor::check {
namespace {

// Lines of letters the code page lacks that are named one by one.
constexpr int kEncodingLinesShown = 20;

// "[section] key" for the key on that line, "[section]" for another line
// of a section; empty before the first section.
std::string PlaceOfLine(const IniMap& ini, int line) {
  std::string place;
  for (const IniSection& section : ini.Sections()) {
    if (section.line > line) break;
    place = "[" + section.name + "]";
    for (const IniKey& key : section.keys)
      if (key.line == line) return place + " " + key.name;
  }
  return place;
}

std::string WithPlace(const std::string& place, const std::string& text) {
  return place.empty() ? text : place + " " + text;
}

// Line numbers as the settings reader counts them: CR LF, LF and a lone CR
// each end a line.
template <class Visit>
void ForEachCharacterLine(const std::u32string& text, Visit visit) {
  int line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' || c == U'\n') {
      if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
      ++line;
      continue;
    }
    visit(line, c);
  }
}

bool IsNumberKey(const SectionKind& kind, std::string_view key) {
  static const std::map<std::string, std::vector<const char*>> numbers = {
      {"General", {"ChoiceOnCoachDoubleClick", "AutoLaunchCoach"}},
      {"CoachPosition", {"left", "top", "width", "height"}},
      {"AVIPosition", {"left", "top", "width", "height"}},
      {"OptionButtons", {"numOBSets", "maxOptionButtons", "topicHeight"}},
      {"coachStep", {"StartTopic"}},
      {"coachTopic", {"Back", "HideButton", "OptionButtonSet", "HideTopic"}},
  };
  const auto found = numbers.find(kind.name);
  if (found == numbers.end()) return false;
  return std::any_of(found->second.begin(), found->second.end(),
                     [&](const char* name) { return SameWithoutCase(key, name); });
}

bool IsSixteenBitKey(std::string_view key) {
  for (const char* name : {"HideButton", "OptionButtonSet", "HideTopic", "maxOptionButtons"})
    if (SameWithoutCase(key, name)) return true;
  return false;
}

// Digits with at most a sign in front: what reads as the number it shows.
bool IsWholeNumber(std::string_view value) {
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) value.remove_prefix(1);
  return !value.empty() &&
         std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number within what a signed 32-bit field holds.
bool FitsThirtyTwoBits(std::string_view number) {
  const bool negative = number.front() == '-';
  if (number.front() == '-' || number.front() == '+') number.remove_prefix(1);
  while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
  if (number.size() > 10) return false;
  const long long value = std::stoll(std::string(number));
  return negative ? value <= 2147483648LL : value <= 2147483647LL;
}

// Calls `visit` with each section that is read (the first of its name) of a
// kind the program reads, and each key in it that is read.
template <class Visit>
void ForEachReadKey(const IniMap& ini, Visit visit) {
  for (const IniSection& section : ini.Sections()) {
    if (ini.Find(section.name) != &section) continue;
    const SectionKind* kind = KindOfSection(section.name);
    if (!kind) continue;
    for (const IniKey& key : section.keys)
      if (ini.FindKey(section.name, key.name) == &key) visit(section, *kind, key);
  }
}

}  // namespace

void CheckSettingsEncoding(CheckContext& c) {
  const std::string& bytes = c.install.settingsBytes;
  CodePage& codePage = c.services.codePage;
  const std::string page = std::to_string(codePage.Number());
  if (const std::optional<std::u32string> text = DecodeMarked(bytes)) {
    int reported = 0;
    int lines = 0;
    ForEachCharacterLine(*text, [&](int line, char32_t ch) {
      if (ch < 0x80 || line == reported || codePage.Holds(ch)) return;
      reported = line;
      // A whole translation in another alphabet is one mistake: the first
      // lines are named, the rest counted.
      if (++lines > kEncodingLinesShown) return;
      c.findings.Ini(Severity::Error, line, "encoding",
                     WithPlace(PlaceOfLine(c.install.ini, line),
                               "holds " + CodePointName(ch) +
                                   ", a letter that the system's code page " + page +
                                   " lacks: Vantor reads it as \"?\". Write this text with the "
                                   "letters of code page " +
                                   page + ", or install on a system whose code page has them"));
    });
    if (lines > kEncodingLinesShown)
      c.findings.Ini(Severity::Error, reported, "encoding",
                     std::to_string(lines - kEncodingLinesShown) +
                         (lines - kEncodingLinesShown == 1 ? " more line up to this one holds"
                                                           : " more lines up to this one hold") +
                         " letters that code page " + page + " lacks");
    return;
  }
  if (codePage.Number() == 65001 || encoding::Detect(bytes) != encoding::Encoding::Utf8) return;
  int line = 1;
  for (std::size_t i = 0; i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80; ++i)
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
      ++line;
  c.findings.Ini(Severity::Error, line, "encoding",
                 WithPlace(PlaceOfLine(c.install.ini, line),
                           "is UTF-8, and the file has no UTF-8 signature: Vantor reads it in "
                           "the system's code page " +
                               page +
                               ", so every letter beyond ASCII shows as two or three wrong "
                               "ones. Save zthelp.ini in code page " +
                               page + " (\"ANSI\"), or as \"UTF-8 with signature\""));
}

void CheckSectionNames(CheckContext& c) {
  const IniMap& ini = c.install.ini;
  for (const IniSection& section : ini.Sections()) {
    const std::string near = NearSectionName(section.name);
    if (near.empty()) continue;
    const IniSection* meant = ini.Find(near);
    const std::string head = "[" + section.name + "] is not a section Vantor reads";
    if (!meant) {
      c.findings.Ini(Severity::Error, section.line, "section-name",
                     head + ": rename it [" + near + "]");
    } else {
      c.findings.Ini(Severity::Warning, section.line, "section-name",
                     head + ", and [" + near + "] is there too (line " +
                         std::to_string(meant->line) +
                         "): merge what this one holds into it, or delete it");
    }
  }
}

void CheckRepeats(CheckContext& c) {
  const IniMap& ini = c.install.ini;
  for (const IniKey& key : ini.KeysBeforeSections())
    c.findings.Ini(Severity::Warning, key.line, "repeat",
                   key.name +
                       " stands before any section and is never read: move it into "
                       "its section");
  for (const IniSection& section : ini.Sections()) {
    const IniSection* first = ini.Find(section.name);
    if (first != &section) {
      const std::string where = "[" + section.name + "] is repeated (first at line " +
                                std::to_string(first->line) + "): only the first is read";
      if (section.keys.empty())
        c.findings.Ini(Severity::Warning, section.line, "repeat", where + "; delete this one");
      else
        c.findings.Ini(Severity::Error, section.line, "repeat",
                       where +
                           ", so the keys here are never seen: merge them into the first, "
                           "or give this section its own name");
      continue;
    }
    for (const IniKey& key : section.keys) {
      const IniKey* read = ini.FindKey(section.name, key.name);
      if (read == &key || key.name.empty()) continue;
      const std::string place = "[" + section.name + "] " + key.name;
      if (UnquotedValue(read->value) == UnquotedValue(key.value)) {
        c.findings.Ini(Severity::Warning, key.line, "repeat",
                       place + " is repeated (first at line " + std::to_string(read->line) +
                           "): delete this one");
      } else {
        c.findings.Ini(Severity::Error, key.line, "repeat",
                       place + " is repeated: Vantor reads the first, " +
                           Quoted(std::string(UnquotedValue(read->value))) + " (line " +
                           std::to_string(read->line) + "), never this " +
                           Quoted(std::string(UnquotedValue(key.value))) +
                           ": delete the one you do not want");
      }
    }
  }
}

void CheckKeyNames(CheckContext& c) {
  const IniMap& ini = c.install.ini;
  for (const IniSection& section : ini.Sections()) {
    if (ini.Find(section.name) != &section) continue;
    const SectionKind* kind = KindOfSection(section.name);
    if (!kind) continue;
    const std::string head = "[" + section.name + "] ";
    for (const int line : section.idleLines)
      c.findings.Ini(Severity::Warning, line, "key-name",
                     head +
                         "this line has no \"=\" and defines nothing: write it as "
                         "name=value, or start a comment with \";\"");
    for (const IniKey& key : section.keys) {
      if (ini.FindKey(section.name, key.name) != &key || IsKnownKey(*kind, key.name)) continue;
      if (!key.name.empty() && key.name.front() == '#') {
        c.findings.Ini(
            Severity::Warning, key.line, "key-name",
            head + "\"" + key.name + "\" is a key, not a comment: a comment starts with \";\"");
        continue;
      }
      const std::string near = NearKeyName(*kind, key.name);
      if (!near.empty()) {
        const bool present = ini.FindKey(section.name, near) != nullptr;
        c.findings.Ini(
            present ? Severity::Warning : Severity::Error, key.line, "key-name",
            head + "\"" + key.name + "\" is not a key Vantor reads: " +
                (present ? "delete it (" + near + " is there too)" : "write it " + near));
      } else if (kind->programOnly) {
        c.findings.Ini(
            Severity::Warning, key.line, "key-name",
            head + "Vantor reads no key \"" + key.name + "\" here: correct its name or delete it");
      }
    }
  }
}

void CheckValues(CheckContext& c) {
  ForEachReadKey(
      c.install.ini, [&](const IniSection& section, const SectionKind& kind, const IniKey& key) {
        if (!IsKnownKey(kind, key.name)) return;
        const std::string place = "[" + section.name + "] " + key.name;
        const std::string_view value = UnquotedValue(key.value);
        if (value.size() > 255) {
          c.findings.Ini(Severity::Warning, key.line, "long-value",
                         place + " is " + std::to_string(value.size()) +
                             " characters long: Vantor reads only the first 255, up to \"" +
                             std::string(value.substr(235, 20)) + "\"; shorten it");
        }
        const std::size_t semicolon = value.find(';');
        if (semicolon != std::string_view::npos && semicolon > 0 && IsBlank(value[semicolon - 1])) {
          c.findings.Ini(Severity::Warning, key.line, "comment-in-value",
                         place + " ends in \"" + std::string(value.substr(semicolon)) +
                             "\", which is part of the value, not a comment: the window shows it. "
                             "Put comments on a line of their own");
        }
        if (!IsNumberKey(kind, key.name) || value.empty()) return;
        const std::int32_t reads = c.install.ReadInt(section.name, key.name, 0);
        if (!IsWholeNumber(TrimBlanks(value))) {
          c.findings.Ini(Severity::Warning, key.line, "number",
                         place + " = \"" + std::string(value) +
                             "\" is not a whole number: Vantor "
                             "reads it as " +
                             std::to_string(reads) + "; write the number in digits");
        } else if (IsSixteenBitKey(key.name) && (reads < -32768 || reads > 32767)) {
          c.findings.Ini(Severity::Warning, key.line, "number",
                         place + " = " + std::string(value) +
                             " does not fit in 16 bits, so Vantor takes its default instead: "
                             "keep it within -32768 to 32767");
        } else if (!FitsThirtyTwoBits(TrimBlanks(value))) {
          c.findings.Ini(Severity::Warning, key.line, "number",
                         place + " = " + std::string(value) + " is too large: Vantor reads it as " +
                             std::to_string(reads) + "; write a smaller number");
        }
      });
}

void CheckWindowTexts(CheckContext& c) {
  static const char* const kTextSections[] = {"frmCoach Text",    "frmRUNAVI Text",
                                              "frmChoice Text",   "frmNoCD Text",
                                              "frmScanning Text", "All Forms Text"};
  const Installation& install = c.install;
  for (const char* name : kTextSections) {
    const SectionKind* kind = KindOfSection(name);
    if (!install.ini.Find(name)) {
      c.findings.Ini(Severity::Warning, 0, "window-text",
                     std::string("[") + name +
                         "] is missing: every text of its window shows empty; add the section "
                         "with its texts");
      continue;
    }
    for (const char* key : kind->keys) {
      if (!install.Read(name, key).empty()) continue;
      c.findings.Ini(Severity::Warning, install.Line(name, key), "window-text",
                     std::string("[") + name + "] " + key +
                         " is missing or empty: the window shows no text there; give it one");
    }
  }
}

}  // namespace vantor::check

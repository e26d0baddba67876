// A reader and writer of INI text with the results of the Windows profile
// functions on well-formed files. The program reads its settings file
// through Index (docs/settings.md); the simulation's profile store and the
// settings checker read and write through the functions below.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantor::ini {

// The text of a file parsed once, so that each read costs as little as a
// lookup however large the file: a task of thousands of topics reads five
// values a topic.
class Index {
 public:
  Index() = default;
  explicit Index(std::string_view text);

  // As ReadString and ReadInt below over the text the index was made of.
  std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
  std::int32_t ReadInt(std::string_view section, std::string_view key, std::int32_t fallback) const;

 private:
  // Section and key names without case, joined by a line end (which
  // neither can hold), to the value as it reads.
  std::unordered_map<std::string, std::string> values_;
};

// GetPrivateProfileStringA(section, key, "", buffer, 256, file) over the
// file's text: the value with Windows' trimming and quote rules, cut to
// 255 characters; nullopt when the section or key is missing.
std::optional<std::string> ReadString(const std::string& text, const std::string& section,
                                      const std::string& key);

// GetPrivateProfileIntA over the file's text.
std::int32_t ReadInt(const std::string& text, const std::string& section, const std::string& key,
                     std::int32_t fallback);

// WritePrivateProfileStringA over the file's text: returns the new text.
// Replaces the first matching key's value, or appends the key to the first
// matching section, or appends the section; every other line stays as it was.
std::string WriteString(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace vantor::ini

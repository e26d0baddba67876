// The program's reader of INI text, with the results of the Windows profile
// functions on well-formed files: the settings file is read through Index
// (docs/settings.md). Single reads and the write over a whole text, which
// the program never needs, are in ini_text.h.
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

  // As GetPrivateProfileStringA (empty default, 256-character buffer) and
  // GetPrivateProfileIntA over the text the index was made of.
  std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
  std::int32_t ReadInt(std::string_view section, std::string_view key, std::int32_t fallback) const;

 private:
  // Section and key names without case, joined by a line end (which
  // neither can hold), to the value as it reads.
  std::unordered_map<std::string, std::string> values_;
};

}  // namespace vantor::ini

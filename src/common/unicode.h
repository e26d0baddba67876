// Reading the Unicode that translators' editors save: UTF-8 with or without
// a signature and UTF-16 with a byte-order mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// True when the bytes hold a character beyond ASCII and are valid UTF-8
// throughout (what an editor writes as "UTF-8"; text in a Windows code page
// nearly never is).
bool LooksLikeUtf8(std::string_view bytes);

// The characters of a file that starts with a byte-order mark (UTF-8, or
// UTF-16 in either order), the mark left out; bytes that are no character
// read as U+FFFD. nullopt for a file without a mark.
std::optional<std::u32string> DecodeMarked(std::string_view bytes);

// The character in UTF-8.
std::string Utf8Of(char32_t c);

// "U+0416".
std::string CodePointName(char32_t c);

}  // namespace vantor

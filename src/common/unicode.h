// Reading a settings file that an editor saved with a byte-order mark, as
// the profile functions read it (the help title's encodings are in
// encoding.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The characters of a file that starts with a byte-order mark (UTF-8, or
// UTF-16 in either order), the mark left out; bytes that are no character
// read as U+FFFD. nullopt for a file without a mark.
std::optional<std::u32string> DecodeMarked(std::string_view bytes);

// "U+0416".
std::string CodePointName(char32_t c);

}  // namespace vantor

// The encodings of the help title: UTF-8, with or without its signature,
// or Windows-1252 as before. Whatever the file, its text is handed on as
// UTF-8, so that the layout counts and breaks whole characters and the
// screen draws them with the system's Unicode text functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor::encoding {

enum class Encoding {
  Ascii,          // bytes below 0x80 only: the same text in either encoding
  Utf8Signature,  // starts with EF BB BF: UTF-8 whatever follows
  Utf8,           // no signature, valid UTF-8 with at least one non-ASCII character
  Windows1252,    // anything else
};

// How the file's bytes are to be read. Without a signature, valid UTF-8
// that is not plain ASCII is UTF-8: Windows-1252 text with accents is almost
// never valid UTF-8 by chance, since its accented letters stand alone where
// UTF-8 needs a lead byte followed by continuation bytes.
Encoding Detect(std::string_view bytes);

// Text of a file of that encoding (all or part of it, after the signature)
// as UTF-8. Bytes that are not valid UTF-8 in a file with the signature
// become U+FFFD; Windows-1252 is decoded as Windows does, its five
// unassigned bytes to the control characters U+0081 and the like.
std::string ToUtf8(std::string_view bytes, Encoding encoding);

// The signature's length when `bytes` starts with it, else 0.
std::size_t SignatureLength(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF, no
// sequence cut short.
bool IsValidUtf8(std::string_view bytes);

// Bytes of the character that starts at `at` of valid UTF-8 (1 for a stray
// byte, so that a walk always moves on; never past the end).
std::size_t CharacterLength(std::string_view utf8, std::size_t at);

// Characters (code points) of valid UTF-8.
std::size_t CharacterCount(std::string_view utf8);

void AppendUtf8(std::string& out, char32_t character);

}  // namespace vantor::encoding

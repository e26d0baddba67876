// How a help title's bytes are told apart: the signature, plain ASCII,
// valid UTF-8, and Windows-1252 for everything else, at the exact edges of
// what UTF-8 allows.
#include "common/encoding.h"

#include <gtest/gtest.h>

namespace vantor::encoding {
namespace {

TEST(Encoding, DetectionAtTheEdgesOfValidUtf8) {
  struct Case {
    const char* what;
    std::string bytes;
    Encoding expected;
  };
  const Case cases[] = {
      {"empty", "", Encoding::Ascii},
      {"pure ASCII, high bit never set", "@topic a\r\n\x7F", Encoding::Ascii},
      {"signature alone", "\xEF\xBB\xBF", Encoding::Utf8Signature},
      {"signature before Windows-1252 bytes",
       "\xEF\xBB\xBF"
       "f\xFChrt",
       Encoding::Utf8Signature},
      {"signature cut short", "\xEF\xBB", Encoding::Windows1252},
      {"two-byte letter", "f\xC3\xBChrt", Encoding::Utf8},
      {"a lone accented Windows-1252 letter", "f\xFChrt", Encoding::Windows1252},
      {"a lone continuation byte", "a\x80z", Encoding::Windows1252},
      {"two-byte sequence cut at the end of the file", "abc\xC3", Encoding::Windows1252},
      {"three-byte sequence cut at the end of the file", "abc\xE2\x80", Encoding::Windows1252},
      {"four-byte sequence cut at the end of the file", "\xF0\x9F\x98", Encoding::Windows1252},
      {"three-byte sequence complete at the end", "abc\xE2\x80\xA2", Encoding::Utf8},
      {"overlong two-byte form", "\xC1\xBF", Encoding::Windows1252},
      {"smallest two-byte character", "\xC2\x80", Encoding::Utf8},
      {"overlong three-byte form", "\xE0\x9F\xBF", Encoding::Windows1252},
      {"smallest three-byte character", "\xE0\xA0\x80", Encoding::Utf8},
      {"last character before the surrogates", "\xED\x9F\xBF", Encoding::Utf8},
      {"first surrogate", "\xED\xA0\x80", Encoding::Windows1252},
      {"last character, U+10FFFF", "\xF4\x8F\xBF\xBF", Encoding::Utf8},
      {"one past the last character", "\xF4\x90\x80\x80", Encoding::Windows1252},
      {"Cyrillic, Greek and Japanese", "\xD0\x9F \xCE\xA9 \xE6\x97\xA5", Encoding::Utf8},
  };
  for (const Case& c : cases) EXPECT_EQ(Detect(c.bytes), c.expected) << c.what;
}

TEST(Encoding, DecodesEachEncodingToTheSameUtf8) {
  // "führt – •" in each encoding.
  const std::string utf8 = "f\xC3\xBChrt \xE2\x80\x93 \xE2\x80\xA2";
  EXPECT_EQ(ToUtf8("f\xFChrt \x96 \x95", Encoding::Windows1252), utf8);
  EXPECT_EQ(ToUtf8(utf8, Encoding::Utf8), utf8);
  EXPECT_EQ(ToUtf8(utf8, Encoding::Utf8Signature), utf8);
  // The euro, the first and last unassigned bytes of the code page, and
  // the last byte.
  EXPECT_EQ(ToUtf8("\x80\x81\x9D\xFF", Encoding::Windows1252),
            "\xE2\x82\xAC\xC2\x81\xC2\x9D\xC3\xBF");
  // A file with the signature keeps its good characters; each bad byte
  // becomes one replacement character.
  EXPECT_EQ(ToUtf8("a\xFC\xC3\xBC\xE2\x80", Encoding::Utf8Signature),
            "a\xEF\xBF\xBD\xC3\xBC\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Encoding, CountsAndStepsOverWholeCharacters) {
  const std::string text = "a\xC3\xBC\xE6\x97\xA5\xF0\x9F\x98\x80";  // 1, 2, 3 and 4 bytes
  EXPECT_EQ(CharacterCount(text), 4u);
  EXPECT_EQ(CharacterLength(text, 0), 1u);
  EXPECT_EQ(CharacterLength(text, 1), 2u);
  EXPECT_EQ(CharacterLength(text, 3), 3u);
  EXPECT_EQ(CharacterLength(text, 6), 4u);
  EXPECT_EQ(CharacterLength(text.substr(0, 8), 6), 1u);  // cut short: moves on by one byte
}

}  // namespace
}  // namespace vantor::encoding

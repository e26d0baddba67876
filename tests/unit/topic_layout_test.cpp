#include "topics/topic_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/encoding.h"

namespace vantor::topics {

void PrintTo(const Piece& piece, std::ostream* out) {
  *out << "(" << piece.x << "," << piece.y << " font " << static_cast<int>(piece.font) << " \""
       << piece.text << "\")";
}

namespace {

// Fixed metrics per character (code point, whatever its bytes): every
// character of the body font is 6 pixels wide, of the bold font 7 and of the
// heading font 10; lines are 12, 12 and 16 high.
TextSize FixedMeasure(FontKind font, std::string_view text) {
  const int n = static_cast<int>(encoding::CharacterCount(text));
  switch (font) {
    case FontKind::Body:
      return {6 * n, 12};
    case FontKind::Bold:
      return {7 * n, 12};
    case FontKind::Heading:
      return {10 * n, 16};
  }
  return {};
}

constexpr LayoutStyle kStyle{.marginLeft = 10,
                             .marginRight = 8,
                             .marginTop = 8,
                             .marginBottom = 5,
                             .blockGap = 6,
                             .itemGap = 2,
                             .bulletIndent = 14};

// The width of a pane whose lines have `room` pixels for text.
constexpr int PaneFor(int room) { return room + kStyle.marginLeft + kStyle.marginRight; }

TopicLayout LayOut(const std::string& body, int width) {
  const HelpTitle title = HelpTitle::Parse("@topic t\n" + body);
  return LayOutTopic(*title.Find("t"), width, FixedMeasure, kStyle);
}

Piece At(int x, int y, const std::string& text, FontKind font = FontKind::Body) {
  return Piece{x, y, font, text};
}

TEST(TopicLayout, WordsWrapAtTheWidth) {
  // Each word 18 pixels, a blank 6: three words need 66.
  EXPECT_EQ(LayOut("aaa bbb ccc ddd eee", PaneFor(66)).pieces,
            (std::vector<Piece>{At(10, 8, "aaa bbb ccc"), At(10, 20, "ddd eee")}));
  EXPECT_EQ(LayOut("aaa bbb ccc ddd eee", PaneFor(65)).pieces,
            (std::vector<Piece>{At(10, 8, "aaa bbb"), At(10, 20, "ccc ddd"), At(10, 32, "eee")}));
  // Blanks between words count once, however many the writer typed.
  EXPECT_EQ(LayOut("aaa    bbb", PaneFor(200)).pieces, (std::vector<Piece>{At(10, 8, "aaa bbb")}));
  EXPECT_EQ(LayOut("aaa bbb", PaneFor(66)).height, 8 + 12 + 5);
}

TEST(TopicLayout, BoldTextSitsBetweenPlainPiecesOnOneLine) {
  // The blank before a word is as wide as a blank in the word's own font.
  EXPECT_EQ(
      LayOut("one **two** three", PaneFor(200)).pieces,
      (std::vector<Piece>{At(10, 8, "one"), At(35, 8, "two", FontKind::Bold), At(62, 8, "three")}));
  // A word half bold is never broken where its font changes.
  EXPECT_EQ(
      LayOut("aaaa **re**set", PaneFor(40)).pieces,
      (std::vector<Piece>{At(10, 8, "aaaa"), At(10, 20, "re", FontKind::Bold), At(24, 20, "set")}));
}

TEST(TopicLayout, BulletsHangTheirTextBesideTheMark) {
  const TopicLayout layout = LayOut("* aaa bbb ccc\n* ddd\n\nafter the list", PaneFor(14 + 42));
  EXPECT_EQ(layout.pieces,
            (std::vector<Piece>{At(10, 8, std::string(kBulletMark)), At(24, 8, "aaa bbb"),
                                At(24, 20, "ccc"), At(10, 34, std::string(kBulletMark)),
                                At(24, 34, "ddd"), At(10, 52, "after the"), At(10, 64, "list")}));
  EXPECT_EQ(layout.height, 64 + 12 + 5);
}

TEST(TopicLayout, HeadingsUseTheirOwnFontAndLineHeight) {
  const TopicLayout layout = LayOut("= Big **news**\ntext", PaneFor(200));
  EXPECT_EQ(layout.pieces, (std::vector<Piece>{At(10, 8, "Big news", FontKind::Heading),
                                               At(10, 8 + 16 + 6, "text")}));
  EXPECT_EQ(layout.height, 8 + 16 + 6 + 12 + 5);
}

TEST(TopicLayout, AWordWiderThanALineBreaksBetweenCharacters) {
  EXPECT_EQ(LayOut("ab abcdefghij", PaneFor(24)).pieces,
            (std::vector<Piece>{At(10, 8, "ab"), At(10, 20, "abcd"), At(10, 32, "efgh"),
                                At(10, 44, "ij")}));
  EXPECT_EQ(
      LayOut("**abc**defgh", PaneFor(24)).pieces,
      (std::vector<Piece>{At(10, 8, "abc", FontKind::Bold), At(10, 20, "defg"), At(10, 32, "h")}));
  // No room at all: one character a line, and the layout still ends.
  const TopicLayout narrow = LayOut("abc", 0);
  EXPECT_EQ(narrow.pieces, (std::vector<Piece>{At(10, 8, "a"), At(10, 20, "b"), At(10, 32, "c")}));
  const TopicLayout huge = LayOut(std::string(5000, 'x'), PaneFor(600));
  ASSERT_EQ(huge.pieces.size(), 50u);
  EXPECT_EQ(huge.pieces.back().text, std::string(100, 'x'));
  EXPECT_EQ(huge.height, 8 + 50 * 12 + 5);
}

// Letters of two, three and four bytes: a line holds as many characters as
// fit, one more does not, and no piece ends inside a character.
TEST(TopicLayout, BreakingAWordKeepsEachCharacterWhole) {
  const std::string cyrillic = "\xD0\x96";       // Ж
  const std::string japanese = "\xE6\x97\xA5";   // 日
  const std::string emoji = "\xF0\x9F\x98\x80";  // 😀
  for (const std::string& c : {cyrillic, japanese, emoji}) {
    std::string word;
    for (int i = 0; i < 10; ++i) word += c;
    std::string four;
    for (int i = 0; i < 4; ++i) four += c;
    const std::string three = four.substr(0, 3 * c.size());
    SCOPED_TRACE(c);
    // 24 pixels hold four characters of 6; 23 only three.
    EXPECT_EQ(LayOut(word, PaneFor(24)).pieces,
              (std::vector<Piece>{At(10, 8, four), At(10, 20, four), At(10, 32, c + c)}));
    const TopicLayout tight = LayOut(word, PaneFor(23));
    ASSERT_EQ(tight.pieces.size(), 4u);
    EXPECT_EQ(tight.pieces[0].text, three);
    EXPECT_EQ(tight.pieces[3].text, c);
    // Wrapping at blanks moves whole words of such letters.
    EXPECT_EQ(LayOut(c + c + " " + c + c, PaneFor(23)).pieces,
              (std::vector<Piece>{At(10, 8, c + c), At(10, 20, c + c)}));
    // Too narrow for any: one character a line.
    EXPECT_EQ(LayOut(c + c, 0).pieces, (std::vector<Piece>{At(10, 8, c), At(10, 20, c)}));
  }
}

// A help title may hold one word of megabytes; breaking it must measure
// about a line's worth of text per line, not the rest of the word.
TEST(TopicLayout, BreakingAnEndlessWordMeasuresLittleMoreThanALinePerLine) {
  long long measured = 0;
  const Measure counting = [&](FontKind font, std::string_view text) {
    measured += static_cast<long long>(text.size());
    return FixedMeasure(font, text);
  };
  const std::string word(200000, 'x');
  const HelpTitle title = HelpTitle::Parse("@topic t\n" + word);
  const TopicLayout layout = LayOutTopic(*title.Find("t"), PaneFor(60), counting, kStyle);
  ASSERT_EQ(layout.pieces.size(), 20000u);
  EXPECT_EQ(layout.pieces.back().text, "xxxxxxxxxx");
  // The whole word once, then per line of 10 characters two trials (10
  // fit, 11 do not) and the line itself.
  EXPECT_LE(measured, 200000 + 20000LL * (10 + 11 + 10) + 1000);
}

TEST(TopicLayout, ChineseAndJapaneseBreakBetweenCharactersWithoutBlanks) {
  // Six pixels a character: seven to a line of 42. A stop never begins a
  // line and an opening bracket never ends one, so each goes with its
  // neighbour; Latin next to Japanese breaks there too, with no blank put in.
  const std::string text = "\u65E5\u672C\u8A9E\u306E\u6587\u3067\u3059\u3002";  // 日本語の文です。
  EXPECT_EQ(LayOut(text, PaneFor(48)).pieces, (std::vector<Piece>{At(10, 8, text)}));
  EXPECT_EQ(LayOut(text, PaneFor(42)).pieces,
            (std::vector<Piece>{At(10, 8, "\u65E5\u672C\u8A9E\u306E\u6587\u3067"),
                                At(10, 20, "\u3059\u3002")}));
  EXPECT_EQ(LayOut("abcdef\u300C\u65E5\u672C\u300D", PaneFor(42)).pieces,  // abcdef「日本」
            (std::vector<Piece>{At(10, 8, "abcdef"), At(10, 20, "\u300C\u65E5\u672C\u300D")}));
  EXPECT_EQ(LayOut("ab \u65E5\u672C **cd**\u306E", PaneFor(60)).pieces,  // ab 日本 **cd**の
            (std::vector<Piece>{At(10, 8, "ab \u65E5\u672C"), At(47, 8, "cd", FontKind::Bold),
                                At(61, 8, "\u306E")}));
  // A Western word is never cut between its letters while it fits a line.
  EXPECT_EQ(LayOut("\u65E5\u672C\u8A9E\u306Eabcdef", PaneFor(42)).pieces,
            (std::vector<Piece>{At(10, 8, "\u65E5\u672C\u8A9E\u306E"), At(10, 20, "abcdef")}));
}

TEST(TopicLayout, ATopicWithoutTextTakesNoRoom) {
  EXPECT_EQ(LayOut("", 300).height, 0);
  EXPECT_TRUE(LayOut("# only a comment\n", 300).pieces.empty());
}

}  // namespace
}  // namespace vantor::topics

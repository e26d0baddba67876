#include "topics/help_title.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "topics/background_path.h"

namespace vantor::topics {

void PrintTo(const Run& run, std::ostream* out) {
  *out << (run.bold ? "bold \"" : "\"") << run.text << "\"";
}

namespace {

// A block as "kind:text", bold stretches in [brackets].
std::string Describe(const Block& block) {
  std::string text = block.kind == BlockKind::Heading  ? "H:"
                     : block.kind == BlockKind::Bullet ? "B:"
                                                       : "P:";
  for (const Run& run : block.runs) text += run.bold ? "[" + run.text + "]" : run.text;
  return text;
}

std::vector<std::string> Blocks(const HelpTitle& title, const std::string& id) {
  std::vector<std::string> described;
  const Topic* topic = title.Find(id);
  if (!topic) return {"<no topic>"};
  for (const Block& block : topic->blocks) described.push_back(Describe(block));
  return described;
}

using Lines = std::vector<std::string>;
// Spelt out here: inside a test, `Run` names the test's own member.
using Runs = std::vector<Run>;

TEST(HelpTitleParse, TheWritersExample) {
  const HelpTitle title = HelpTitle::Parse(
      "# Help title of the Vantor scan coach\n"
      "@topic scan_welcome\n"
      "= Welcome\n"
      "This coach walks you through a scan, **one page at a time**.\n"
      "\n"
      "* Put the page face down on the glass.\n"
      "* Close the lid.\n");
  ASSERT_EQ(title.Topics().size(), 1u);
  EXPECT_EQ(title.Topics()[0].id, "scan_welcome");
  EXPECT_EQ(Blocks(title, "scan_welcome"),
            (Lines{"H:Welcome", "P:This coach walks you through a scan, [one page at a time].",
                   "B:Put the page face down on the glass.", "B:Close the lid."}));
}

TEST(HelpTitleParse, LinesJoinIntoParagraphsAndItems) {
  const HelpTitle title = HelpTitle::Parse(
      "@topic t\n"
      "First line\n"
      "   second line, indented  \n"
      "# a comment does not end the paragraph\n"
      "third line\n"
      " \t \n"
      "New paragraph\n"
      "= Heading ends it\n"
      "after the heading\n"
      "* item\n"
      "  goes on here\n"
      "\tand here\n"
      "not indented: a paragraph\n"
      "*\n"
      "  an item whose text starts on the next line\n"
      "*not an item\n"
      "**bold** at the start is not an item either, **and bold\n"
      "goes on** over a line end\n");
  EXPECT_EQ(
      Blocks(title, "t"),
      (Lines{"P:First line second line, indented third line", "P:New paragraph",
             "H:Heading ends it", "P:after the heading", "B:item goes on here and here",
             "P:not indented: a paragraph", "B:an item whose text starts on the next line",
             "P:*not an item [bold] at the start is not an item either, [and bold goes on] over a "
             "line end"}));
}

TEST(HelpTitleParse, BlocksWithoutTextAreDropped) {
  const HelpTitle title = HelpTitle::Parse("@topic t\n=\n*\n\n= \n****\n\nkept\n");
  EXPECT_EQ(Blocks(title, "t"), (Lines{"P:kept"}));
}

TEST(HelpTitleParse, TopicsAndTheirIdentifiers) {
  const HelpTitle title = HelpTitle::Parse(
      "Text before the first topic belongs to none.\n"
      "@topic   Scan_Welcome  \n"
      "welcome\n"
      "@topical is text, not a topic\n"
      "@TOPIC scan_zoom\n"
      "zoom\n"
      "@topic scan_welcome\n"
      "the second of the same name\n"
      "@topic\n"
      "no name\n");
  ASSERT_EQ(title.Topics().size(), 4u);
  EXPECT_EQ(Blocks(title, "scan_welcome"), (Lines{"P:welcome @topical is text, not a topic"}));
  EXPECT_EQ(Blocks(title, "SCAN_WELCOME"), Blocks(title, "scan_welcome"));
  EXPECT_EQ(Blocks(title, "scan_zoom"), (Lines{"P:zoom"}));
  EXPECT_EQ(title.Topics()[2].id, "scan_welcome");
  EXPECT_EQ(title.Find("scan"), nullptr);
  EXPECT_EQ(title.Find(""), nullptr);
  EXPECT_EQ(title.Find(" scan_zoom"), nullptr);
}

TEST(HelpTitleParse, OddFiles) {
  EXPECT_TRUE(HelpTitle::Parse("").Topics().empty());
  EXPECT_TRUE(HelpTitle::Parse("just text\n\n* and an item\n").Topics().empty());
  EXPECT_TRUE(HelpTitle::Parse("\n\r\n\r\n").Topics().empty());

  const HelpTitle empty = HelpTitle::Parse("@topic a\n@topic b");
  ASSERT_EQ(empty.Topics().size(), 2u);
  EXPECT_TRUE(empty.Find("a")->blocks.empty());
  EXPECT_TRUE(empty.Find("b")->blocks.empty());

  const std::string lf = "@topic t\n= Head\nline one\nline two\n\n* item\n  more\n";
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(Blocks(HelpTitle::Parse(crlf), "t"), Blocks(HelpTitle::Parse(lf), "t"));
  EXPECT_EQ(Blocks(HelpTitle::Parse("\xEF\xBB\xBF@topic t\r\nlast line without end"), "t"),
            (Lines{"P:last line without end"}));
}

// Whatever the file's encoding, the text comes out as UTF-8; identifiers
// keep the file's bytes, to match zthelp.ini's TopicID as they always did.
TEST(HelpTitleParse, TextInAnyEncodingComesOutAsUtf8) {
  const std::string utf8Body = "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D **\xC3\xBC**";
  const Lines expected{"P:Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D [\xC3\xBC]"};
  EXPECT_EQ(Blocks(HelpTitle::Parse("@topic t\nCaf\xE9 \x93quoted\x94 **\xFC**\n"), "t"), expected);
  EXPECT_EQ(Blocks(HelpTitle::Parse("@topic t\n" + utf8Body), "t"), expected);
  EXPECT_EQ(Blocks(HelpTitle::Parse("\xEF\xBB\xBF@topic t\n" + utf8Body), "t"), expected);

  // Russian, Greek and Japanese in one topic, without a signature.
  const std::string mixed =
      "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "              // Привет
      "\xCE\x93\xCE\xB5\xCE\xB9\xCE\xB1 "                              // Γεια
      "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF";  // こんにちは
  EXPECT_EQ(Blocks(HelpTitle::Parse("@topic t\n= " + mixed + "\n"), "t"), (Lines{"H:" + mixed}));

  const HelpTitle german = HelpTitle::Parse(
      "@topic \xDC"
      "bersicht\n\xDC"
      "ber\n");
  EXPECT_EQ(Blocks(german,
                   "\xDC"
                   "bersicht"),
            (Lines{"P:\xC3\x9C"
                   "ber"}));
}

TEST(HelpTitleRuns, BoldMarksPairFromTheLeft) {
  EXPECT_EQ(SplitRuns("plain"), (Runs{{"plain", false}}));
  EXPECT_EQ(SplitRuns("a **b** c **d** e"),
            (Runs{{"a ", false}, {"b", true}, {" c ", false}, {"d", true}, {" e", false}}));
  EXPECT_EQ(SplitRuns("**all**"), (Runs{{"all", true}}));
  EXPECT_EQ(SplitRuns("a **b** c **unmatched"),
            (Runs{{"a ", false}, {"b", true}, {" c **unmatched", false}}));
  EXPECT_EQ(SplitRuns("5 ** 2"), (Runs{{"5 ** 2", false}}));
  EXPECT_EQ(SplitRuns("x****y"), (Runs{{"xy", false}}));
  EXPECT_TRUE(SplitRuns("").empty());
}

TEST(HelpTitleFiles, BackgroundsBesideTheTitleOrWhereTheyAreNamed) {
  EXPECT_EQ(BackgroundPath("C:\\Vantor\\Vantor.m14", "!mvback37.bmp"), "C:\\Vantor\\mvback37.bmp");
  EXPECT_EQ(BackgroundPath("/tmp/x/Vantor.m14", "!back.bmp"), "/tmp/x/back.bmp");
  EXPECT_EQ(BackgroundPath("Vantor.m14", "!back.bmp"), "back.bmp");
  EXPECT_EQ(BackgroundPath("", "!back.bmp"), "");
  EXPECT_EQ(BackgroundPath("C:\\Vantor\\Vantor.m14", "D:\\art\\back.bmp"), "D:\\art\\back.bmp");
  EXPECT_EQ(BackgroundPath("C:\\Vantor\\Vantor.m14", ""), "");
}

}  // namespace
}  // namespace vantor::topics

#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "settings/ini_text.h"

namespace vantor::ini {
namespace {

TEST(IniRead, NamesMatchWithoutRegardToCaseAndBlanksAround) {
  const std::string text = " [ frmCoach Text ]\r\n\tNextButton \t= Next\r\n";
  EXPECT_EQ(ReadString(text, "FRMCOACH TEXT", "nextbutton"), "Next");
  EXPECT_EQ(ReadString(text, " frmCoach Text\t", " NextButton "), "Next");
  EXPECT_EQ(ReadString(text, "frmCoach  Text", "NextButton"), std::nullopt);
  EXPECT_EQ(ReadString(text, "frmCoach", "NextButton"), std::nullopt);
}

TEST(IniRead, NumberedNamesThatShareAStartAreDistinct) {
  const std::string text =
      "[coachTopic1]\nTopicID=one\n[coachTopic10]\nTopicID=ten\n"
      "[OptionButtons0]\nOptionButtonText10=b\nOptionButtonText1=a\n";
  EXPECT_EQ(ReadString(text, "coachTopic1", "TopicID"), "one");
  EXPECT_EQ(ReadString(text, "coachTopic10", "TopicID"), "ten");
  EXPECT_EQ(ReadString(text, "OptionButtons0", "OptionButtonText1"), "a");
  EXPECT_EQ(ReadString(text, "OptionButtons0", "OptionButtonText10"), "b");
}

TEST(IniRead, EveryLineEndSeparatesLines) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    const std::string text = "[S]" + end + "a=1" + end + "b=2" + end;
    EXPECT_EQ(ReadString(text, "S", "a"), "1") << "line end of " << end.size();
    EXPECT_EQ(ReadString(text, "S", "b"), "2") << "line end of " << end.size();
  }
  EXPECT_EQ(ReadString("[S]\r\na=1", "S", "a"), "1");
}

TEST(IniRead, WhatDefinesAKeyAndWhatDoesNot) {
  const std::string text =
      "top=stray\n"
      "[S] ; a note after the header\n"
      "; a=comment\n"
      "  ;b=comment too\n"
      "c\n"
      "#d=hash\n"
      "e=1=2 ; not a comment\n"
      "f=first\n"
      "F=second\n"
      "[T]\n"
      "g=other section\n";
  EXPECT_EQ(ReadString(text, "S", "top"), std::nullopt);
  EXPECT_EQ(ReadString(text, "S", "a"), std::nullopt);
  EXPECT_EQ(ReadString(text, "S", "b"), std::nullopt);
  EXPECT_EQ(ReadString(text, "S", "c"), std::nullopt);
  EXPECT_EQ(ReadString(text, "S", "#d"), "hash");
  EXPECT_EQ(ReadString(text, "S", "e"), "1=2 ; not a comment");
  EXPECT_EQ(ReadString(text, "S", "f"), "first");
  EXPECT_EQ(ReadString(text, "S", "g"), std::nullopt);
  EXPECT_EQ(ReadString(text, "T", "g"), "other section");
}

TEST(IniRead, OnlyTheFirstOfTwoEqualSectionsIsSearched) {
  const std::string text = "[AVIPosition]\nleft=1\n[aviposition]\nleft=2\ntop=3\n";
  EXPECT_EQ(ReadString(text, "AVIPosition", "left"), "1");
  EXPECT_EQ(ReadString(text, "AVIPosition", "top"), std::nullopt);
}

// One index answers every read of a file: a task as large as 16-bit topic
// numbers allow, keys repeated later in a section and sections repeated
// later in the file, names in any case.
TEST(IniIndex, AnswersEveryReadOfALargeFileAsTheFirstMatchesSay) {
  std::string text;
  for (int t = 0; t < 32767; ++t) {
    const std::string n = std::to_string(t);
    text += "[coachTopic" + n + "]\r\nTopicID=page_" + n + "\r\nBack=-1\r\nback=9\r\n";
  }
  text += "[coachTopic0]\r\nTopicID=again\r\nHideTopic=1\r\n";
  const Index index(text);
  EXPECT_EQ(index.ReadString("coachTopic0", "TopicID"), "page_0");
  EXPECT_EQ(index.ReadString("COACHTOPIC16383", " topicid "), "page_16383");
  EXPECT_EQ(index.ReadString("coachTopic32766", "TopicID"), "page_32766");
  EXPECT_EQ(index.ReadString("coachTopic32767", "TopicID"), std::nullopt);
  EXPECT_EQ(index.ReadInt("coachTopic32766", "Back", 0), -1);
  EXPECT_EQ(index.ReadInt("coachTopic0", "HideTopic", 7), 7);
  EXPECT_EQ(index.ReadString("coachTopic0", "back\nTopicID"), std::nullopt);
  EXPECT_EQ(Index().ReadInt("coachTopic0", "Back", 5), 5);
}

TEST(IniRead, MissingAndEmptyAreDifferent) {
  const std::string text = "[S]\nempty=\nblanks= \t \nquoted=\"\"\n";
  EXPECT_EQ(ReadString(text, "S", "empty"), "");
  EXPECT_EQ(ReadString(text, "S", "blanks"), "");
  EXPECT_EQ(ReadString(text, "S", "quoted"), "");
  EXPECT_EQ(ReadString(text, "S", "absent"), std::nullopt);
  EXPECT_EQ(ReadString(text, "T", "empty"), std::nullopt);
  EXPECT_EQ(ReadString("", "S", "empty"), std::nullopt);
  EXPECT_EQ(ReadString(text, "", "empty"), std::nullopt);
  EXPECT_EQ(ReadString(text, "S", " "), std::nullopt);
}

TEST(IniRead, BlanksAroundValuesGoAndMatchingQuotesProtectThem) {
  const std::vector<std::pair<std::string, std::string>> values = {
      {" \t Click  here \t ", "Click  here"},
      {"\" \"", " "},
      {"'  two '", "  two "},
      {"  \"quoted\"  ", "quoted"},
      {"\"say \"hi\"\"", "say \"hi\""},
      {"\"open", "\"open"},
      {"close'", "close'"},
      {"\"mixed'", "\"mixed'"},
      {"\"", "\""},
      {"it's", "it's"},
  };
  for (const auto& [stored, read] : values) {
    EXPECT_EQ(ReadString("[S]\nk=" + stored + "\n", "S", "k"), read) << stored;
  }
}

TEST(IniRead, ValuesAreCutTo255Characters) {
  const auto read = [](const std::string& stored) {
    return ReadString("[S]\r\nk=" + stored + "\r\n", "S", "k").value();
  };
  EXPECT_EQ(read(std::string(254, 'a')), std::string(254, 'a'));
  EXPECT_EQ(read(std::string(255, 'a')), std::string(255, 'a'));
  EXPECT_EQ(read(std::string(300, 'a')), std::string(255, 'a'));
  EXPECT_EQ(read("   " + std::string(256, 'a')), std::string(255, 'a'));
  // The quotes go first, then the cut: a quoted value of 255 keeps all 255.
  EXPECT_EQ(read('"' + std::string(255, 'q') + '"'), std::string(255, 'q'));
  EXPECT_EQ(read('"' + std::string(300, 'q') + '"'), std::string(255, 'q'));
}

TEST(IniReadInt, ConvertsLikeTheProfileIntegerRead) {
  const std::vector<std::pair<std::string, std::int32_t>> values = {
      {"1500", 1500},
      {" 1500", 1500},
      {"-120", -120},
      {"+7", 7},
      {"\" 42\"", 42},
      {"'-3'", -3},
      {"12px", 12},
      {"1 2", 1},
      {"3.9", 3},
      {"abc", 0},
      {"-", 0},
      {"- 5", 0},
      {"--5", 0},
      {"2147483647", 2147483647},
      {"2147483648", INT32_MIN},
      {"-2147483649", INT32_MAX},
      {"4294967297", 1},
      {"9999999999", 1410065407},
      {"0x1F", 31},
      {"0X1F", 0},
      {"0o17", 15},
      {"0b101", 5},
      {"-0x10", -16},
      {"0x", 0},
      {"0xFFFFFFFF", -1},
      {"007", 7},
      // Only the first 29 characters are converted.
      {"00000000000000000000000000042", 42},
      {"000000000000000000000000000042", 4},
  };
  for (const auto& [stored, number] : values) {
    EXPECT_EQ(ReadInt("[S]\nk=" + stored + "\n", "S", "k", -99), number) << stored;
  }
}

TEST(IniReadInt, AnAbsentOrEmptyValueGivesTheDefault) {
  const std::string text = "[S]\nempty=\nquoted=\"\"\nnoequals\n";
  EXPECT_EQ(ReadInt(text, "S", "empty", -1), -1);
  EXPECT_EQ(ReadInt(text, "S", "quoted", 5), 5);
  EXPECT_EQ(ReadInt(text, "S", "noequals", 9), 9);
  EXPECT_EQ(ReadInt(text, "S", "absent", 1), 1);
  EXPECT_EQ(ReadInt("", "General", "AutoLaunchCoach", 1), 1);
}

TEST(IniWrite, CreatesTheTextSectionAndKeyAsNeeded) {
  EXPECT_EQ(WriteString("", "General", "MoviesLastFoundAt", "E:\\MOVIES"),
            "[General]\r\nMoviesLastFoundAt=E:\\MOVIES\r\n");
  EXPECT_EQ(WriteString("[General]\r\na=1\r\n", "CoachPosition", "left", " 1500"),
            "[General]\r\na=1\r\n[CoachPosition]\r\nleft= 1500\r\n");
  EXPECT_EQ(WriteString("[General]\r\na=1", "AVIPosition", "top", "-5"),
            "[General]\r\na=1\r\n[AVIPosition]\r\ntop=-5\r\n");
}

TEST(IniWrite, ReplacesOnlyTheValueOfTheFirstMatchingKey) {
  const std::string before =
      "; shared with the host\n[coachTopic3]\n  HIDETOPIC = 0 \nTopicID=crop\n"
      "hidetopic=9\n\n[General]\nCallingAppName=Orvex\n";
  EXPECT_EQ(WriteString(before, "coachtopic3", "HideTopic", "1"),
            "; shared with the host\n[coachTopic3]\n  HIDETOPIC =1\nTopicID=crop\n"
            "hidetopic=9\n\n[General]\nCallingAppName=Orvex\n");
  EXPECT_EQ(WriteString("[S]\r\nk=old", "S", "k", "new"), "[S]\r\nk=new");
}

TEST(IniWrite, ANewKeyFollowsTheLastKeyOfItsSection) {
  const std::string before =
      "[coachTopic3]\nTopicID=crop\nnote without equals\n; about topic 4\n\n[coachTopic4]\n";
  EXPECT_EQ(WriteString(before, "coachTopic3", "HideTopic", "1"),
            "[coachTopic3]\nTopicID=crop\nHideTopic=1\r\nnote without equals\n"
            "; about topic 4\n\n[coachTopic4]\n");
  EXPECT_EQ(WriteString("[AVIPosition]\n[General]\na=1\n", "AVIPosition", "left", " 10"),
            "[AVIPosition]\nleft= 10\r\n[General]\na=1\n");
  EXPECT_EQ(WriteString("[S]\na=1", "S", "b", "2"), "[S]\na=1\r\nb=2\r\n");
}

TEST(IniWrite, GoesToTheFirstOfTwoEqualSections) {
  EXPECT_EQ(WriteString("[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", "3"),
            "[S]\r\na=1\r\nb=3\r\n[s]\r\nb=2\r\n");
}

TEST(IniWrite, EmptyNamesLeaveTheTextAlone) {
  const std::string text = "[S]\r\na=1\r\n";
  EXPECT_EQ(WriteString(text, "", "a", "2"), text);
  EXPECT_EQ(WriteString(text, "S", " ", "2"), text);
}

TEST(IniWrite, WhatIsWrittenReadsBack) {
  const std::vector<std::pair<std::string, std::string>> values = {
      {" 1500", "1500"}, {"-75", "-75"},       {"  padded  ", "padded"},
      {"\"x\"", "x"},    {"a=b; c", "a=b; c"}, {"", ""},
  };
  std::string text = "[General]\nCallingAppName=Orvex\n";
  for (const auto& [written, read] : values) {
    text = WriteString(text, "AVIPosition", "left", written);
    EXPECT_EQ(ReadString(text, "AVIPosition", "left"), read) << written;
    EXPECT_EQ(ReadString(text, "General", "CallingAppName"), "Orvex");
  }
  EXPECT_EQ(ReadInt(WriteString(text, "AVIPosition", "left", " 1500"), "AVIPosition", "left", -1),
            1500);
}

}  // namespace
}  // namespace vantor::ini

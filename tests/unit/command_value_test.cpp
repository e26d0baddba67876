#include "startup/command_value.h"

#include <gtest/gtest.h>

#include "common/numbers.h"

namespace vantor {
namespace {

TEST(SignedText, PutsABlankBeforeNonNegativeValues) {
  EXPECT_EQ(SignedText(1500), " 1500");
  EXPECT_EQ(SignedText(0), " 0");
  EXPECT_EQ(SignedText(-1), "-1");
  EXPECT_EQ(SignedText(-300), "-300");
}

TEST(ValueOfText, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(ValueOfText("7"), 7);
  EXPECT_EQ(ValueOfText("1003"), 1003);
  EXPECT_EQ(ValueOfText("-12"), -12);
  EXPECT_EQ(ValueOfText("+5"), 5);
  EXPECT_EQ(ValueOfText("7abc"), 7);
  EXPECT_EQ(ValueOfText("12.5.3"), 12.5);
  EXPECT_EQ(ValueOfText(".5"), 0.5);
  EXPECT_EQ(ValueOfText("3-4"), 3);
}

TEST(ValueOfText, IgnoresBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(ValueOfText("  1 0 0 3 "), 1003);
  EXPECT_EQ(ValueOfText("\t7\n"), 7);
  EXPECT_EQ(ValueOfText("- 8"), -8);
  // A carriage return is not a blank: the number stops there.
  EXPECT_EQ(ValueOfText("1\r2"), 1);
}

TEST(ValueOfText, ReadsExponentsWithEOrD) {
  EXPECT_EQ(ValueOfText("1E3"), 1000);
  EXPECT_EQ(ValueOfText("1d3"), 1000);
  EXPECT_EQ(ValueOfText("2.5e+2"), 250);
  EXPECT_EQ(ValueOfText("5e-1"), 0.5);
  // An exponent without digits is not part of the number.
  EXPECT_EQ(ValueOfText("9e"), 9);
  EXPECT_EQ(ValueOfText("9e+"), 9);
}

TEST(ValueOfText, ReadsHexadecimalAndOctalPrefixes) {
  EXPECT_EQ(ValueOfText("&H3EB"), 1003);
  EXPECT_EQ(ValueOfText("&hff"), 255);
  EXPECT_EQ(ValueOfText("&O17"), 15);
  EXPECT_EQ(ValueOfText("&o19"), 1);  // 9 is no octal digit
  EXPECT_EQ(ValueOfText("&O7"), 7);
  EXPECT_EQ(ValueOfText("&O18"), 1);  // nor is 8
  EXPECT_EQ(ValueOfText("&H"), 0);
  EXPECT_EQ(ValueOfText("&X1"), 0);
}

TEST(ValueOfText, IsZeroForTextThatIsNoNumber) {
  EXPECT_EQ(ValueOfText(""), 0);
  EXPECT_EQ(ValueOfText("abc"), 0);
  EXPECT_EQ(ValueOfText("-"), 0);
  EXPECT_EQ(ValueOfText("."), 0);
  EXPECT_EQ(ValueOfText("e5"), 0);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(7.5), 8);
  EXPECT_EQ(RoundHalfEven(6.5), 6);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(LaunchModeFromCommandLine, RoundsIntoSixteenBits) {
  EXPECT_EQ(LaunchModeFromCommandLine("7.5"), 8);
  EXPECT_EQ(LaunchModeFromCommandLine("6.5"), 6);
  EXPECT_EQ(LaunchModeFromCommandLine("32767"), 32767);
  EXPECT_EQ(LaunchModeFromCommandLine("32767.4"), 32767);
  EXPECT_EQ(LaunchModeFromCommandLine("abc"), 0);
}

TEST(LaunchModeFromCommandLine, RejectsWhatDoesNotFitInsteadOfWrapping) {
  EXPECT_EQ(LaunchModeFromCommandLine("32767.5"), std::nullopt);  // rounds to 32768
  EXPECT_EQ(LaunchModeFromCommandLine("40000"), std::nullopt);
  EXPECT_EQ(LaunchModeFromCommandLine("&HFFFF"), std::nullopt);
  EXPECT_EQ(LaunchModeFromCommandLine("1e400"), std::nullopt);
  EXPECT_EQ(LaunchModeFromCommandLine("-1e400"), std::nullopt);
  // The clip number (mode - 1000) must fit as well.
  EXPECT_EQ(LaunchModeFromCommandLine("-31768"), -31768);
  EXPECT_EQ(LaunchModeFromCommandLine("-31769"), std::nullopt);
}

}  // namespace
}  // namespace vantor

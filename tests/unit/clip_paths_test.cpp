#include <gtest/gtest.h>

#include "videosource/folder_list.h"
#include "videosource/paths.h"

namespace vantor {
namespace {

TEST(FolderOfPath, TakesTheFolderPartInLowerCaseWithOneTrailingBackslash) {
  EXPECT_EQ(FolderOfPath("E:\\Clips\\intro.avi"), "e:\\clips\\");
  EXPECT_EQ(FolderOfPath("e:\\clips\\"), "e:\\clips\\");
  EXPECT_EQ(FolderOfPath("e:intro.avi"), "e:\\");
  EXPECT_EQ(FolderOfPath("e:clips\\intro.avi"), "e:\\clips\\");
  EXPECT_EQ(FolderOfPath("e:"), "e:\\");
  EXPECT_EQ(FolderOfPath("x"), "x:\\");
  EXPECT_EQ(FolderOfPath("X"), "x:\\");
  EXPECT_EQ(FolderOfPath("clips\\intro.avi"), "\\clips\\");
  EXPECT_EQ(FolderOfPath("\\clips\\intro.avi"), "\\clips\\");
}

TEST(FolderOfPath, GivesNothingOrAPlainFolderForHostileInput) {
  EXPECT_EQ(FolderOfPath(""), "");
  EXPECT_EQ(FolderOfPath("\\"), "");
  EXPECT_EQ(FolderOfPath("1"), "");
  EXPECT_EQ(FolderOfPath("intro.avi"), "");
  EXPECT_EQ(FolderOfPath("abc:"), "");  // a colon with nothing after it names no drive
  EXPECT_EQ(FolderOfPath("ab e:\\x\\y.avi"), "e:\\x\\");
  EXPECT_EQ(FolderOfPath("ab e:y.avi"), "e:\\");
  EXPECT_EQ(FolderOfPath(":\\a"), ":\\\\");
  const std::string deep = "C:" + std::string(5000, 'a') + "\\" + std::string(40000, 'b');
  EXPECT_EQ(FolderOfPath(deep), "c:\\" + std::string(5000, 'a') + "\\");
}

// Whatever stands before the drive letter goes, from none to several
// characters, with a folder after the colon or a file name only.
TEST(FolderOfPath, DropsWhatStandsBeforeTheDriveLetter) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"e:\\x\\y.avi", "e:\\x\\"}, {"1e:\\x\\y.avi", "e:\\x\\"}, {"12e:\\x\\y.avi", "e:\\x\\"},
      {"e:y.avi", "e:\\"},         {"1e:y.avi", "e:\\"},         {"12e:y.avi", "e:\\"},
      {"1e:\\", "e:\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOfPath(c.path), c.folder) << c.path;
}

TEST(NormalizeFolderPath, MakesAFolderAbsoluteWithATrailingBackslash) {
  EXPECT_EQ(NormalizeFolderPath("  e:  ", "c:\\"), "e:\\");
  EXPECT_EQ(NormalizeFolderPath("e", "c:\\"), "e:\\");
  EXPECT_EQ(NormalizeFolderPath(":\\clips", "d:\\"), "c:\\clips\\");
  EXPECT_EQ(NormalizeFolderPath("ab e:\\x", "c:\\"), "e:\\x\\");
  EXPECT_EQ(NormalizeFolderPath("clips", "d:\\work"), "d:\\clips\\");
  EXPECT_EQ(NormalizeFolderPath("\\clips", "d:\\work"), "d:\\clips\\");
  EXPECT_EQ(NormalizeFolderPath("clips", "d"), "d:\\clips\\");
  EXPECT_EQ(NormalizeFolderPath("E:\\Clips\\", "c:\\"), "E:\\Clips\\");  // case is kept
}

TEST(NormalizeFolderPath, EmptyAndOddInputStaysHarmless) {
  EXPECT_EQ(NormalizeFolderPath("", "c:\\"), "\\");
  EXPECT_EQ(NormalizeFolderPath("   ", "c:\\"), "\\");
  EXPECT_EQ(NormalizeFolderPath("\\", "c:\\"), "\\:\\");  // any one character is a drive
  EXPECT_EQ(NormalizeFolderPath("clips", ""), "\\clips\\");
  const std::string deep(40000, 'x');
  EXPECT_EQ(NormalizeFolderPath(deep, "c:\\"), "c:\\" + deep + "\\");
}

TEST(FolderList, ShowsTheParentsIndentedThenTheSubFoldersOfTheOpenFolder) {
  const auto entries = FolderListEntries("c:\\Program Files\\Vantor\\", {"clips", "docs"});
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].text, "c:\\");
  EXPECT_EQ(entries[1].text, "  Program Files");
  EXPECT_EQ(entries[2].text, "    Vantor");
  EXPECT_EQ(entries[3].text, "      clips");
  EXPECT_EQ(entries[1].path, "c:\\Program Files\\");
  EXPECT_EQ(entries[4].path, "c:\\Program Files\\Vantor\\docs\\");
  EXPECT_EQ(OpenFolderIndex("c:\\Program Files\\Vantor\\"), 2);

  const auto root = FolderListEntries("e:\\", {"movies"});
  ASSERT_EQ(root.size(), 2u);
  EXPECT_EQ(root[1].text, "  movies");
  EXPECT_EQ(root[1].path, "e:\\movies\\");
  EXPECT_EQ(OpenFolderIndex("e:\\"), 0);
  EXPECT_TRUE(FolderListEntries("", {"x"}).empty());
}

}  // namespace
}  // namespace vantor

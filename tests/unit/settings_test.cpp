#include "settings/settings.h"

#include "common/text.h"
#include "sim_fixture.h"

namespace vantor {
namespace {

using testing::SimTest;

TEST(JoinPath, PutsExactlyOneBackslashBetweenFolderAndName) {
  EXPECT_EQ(JoinPath("C:\\", "zthelp.ini"), "C:\\zthelp.ini");
  EXPECT_EQ(JoinPath("C:\\Prog", "\\zthelp.ini"), "C:\\Prog\\zthelp.ini");
  EXPECT_EQ(JoinPath("C:\\Prog", "zthelp.ini"), "C:\\Prog\\zthelp.ini");
  EXPECT_EQ(JoinPath("", "a"), "a");
  EXPECT_EQ(JoinPath("", "\\a"), "a");
  EXPECT_EQ(JoinPath("C:\\Prog", "\\"), "C:\\Prog\\");
  EXPECT_EQ(JoinPath("C:\\Prog\\", "\\"), "C:\\Prog\\");
  // Only one leading backslash is dropped.
  EXPECT_EQ(JoinPath("C:\\Prog", "\\\\a"), "C:\\Prog\\\\a");
}

class SettingsTest : public SimTest {
 protected:
  const Settings& ini() { return program.settings; }
};

TEST_F(SettingsTest, TheFileLivesBesideTheProgram) {
  sim.programFolder = "D:\\";
  program.settings.LocateSettingsFile();
  EXPECT_EQ(ini().SettingsPath, "D:\\zthelp.ini");
}

TEST_F(SettingsTest, WithoutAFileEveryReadGivesItsDefault) {
  EXPECT_EQ(ini().ReadIniInt("coachTopic0", "OptionButtonSet", -1), -1);
  EXPECT_EQ(ini().ReadIniInt("General", "AutoLaunchCoach", 1), 1);
  EXPECT_EQ(ini().ReadIniString("frmCoach Text", "Title"), "");
}

TEST_F(SettingsTest, LongValuesAreCutTo255Characters) {
  WriteIni("[frmCoach Text]\nTitle=" + std::string(300, 'x') + "\n");
  EXPECT_EQ(ini().ReadIniString("frmCoach Text", "Title"), std::string(255, 'x'));
}

TEST_F(SettingsTest, AWriteToAMissingFileCreatesItWithJustThatValue) {
  ini().WriteIniString("General", "MoviesLastFoundAt", "E:\\MOVIES");
  EXPECT_TRUE(sim.FileExists(IniPath()));
  EXPECT_EQ(ini().ReadIniString("general", "movieslastfoundat"), "E:\\MOVIES");
}

TEST_F(SettingsTest, AWriteKeepsEveryOtherLineOfTheSharedFile) {
  const std::string before =
      "; installed by the host\n[General]\nCallingAppName=Orvex\n\n[AVIPosition]\nleft=1\n";
  WriteIni(before);
  ini().WriteIniString("AVIPosition", "left", " 1500");
  const std::string after = sim.ReadFile(IniPath());
  EXPECT_NE(after.find("; installed by the host"), std::string::npos);
  EXPECT_NE(after.find("CallingAppName=Orvex"), std::string::npos);
  EXPECT_EQ(ini().ReadIniInt("AVIPosition", "left", -1), 1500);
}

}  // namespace
}  // namespace vantor

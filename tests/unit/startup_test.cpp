#include "dialogs/frm_choice.h"
#include "sim_fixture.h"
#include "startup/launch.h"
#include "startup/run.h"

namespace vantor {

using namespace choice_controls;
namespace {

using testing::SimTest;

// Records what start-up asked of the windows it opens.
class RecordingWindows : public StartupWindows {
 public:
  explicit RecordingWindows(sim::SimPlatform& sim) : sim_(sim) {}
  std::string FindVideoFolder(Program&) override {
    sim_.Step("search");
    ++folderSearches;
    return folder;
  }
  void LoadVideoWindow(Program& program) override {
    sim_.Step("load video");
    loaded = "video";
    selectedAtLoad = program.startup.SelectedClip;
  }
  void LoadCoachWindow(Program&) override {
    sim_.Step("load coach");
    loaded = "coach";
  }

  std::string folder = "E:\\MOVIES";
  int folderSearches = 0;
  std::string loaded;
  int selectedAtLoad = 0;

 private:
  sim::SimPlatform& sim_;
};

const char kTitles[] =
    "[frmCoach Text]\nTitle=Scan Coach\n"
    "[frmRUNAVI Text]\nTitle=How-To Videos\n"
    "[frmChoice Text]\nTitle=Vantor\nQuestion=What would you like to open?\n"
    "[All Forms Text]\nOKButton=OK\nCancelButton=Cancel\n";

class StartupTest : public SimTest {
 protected:
  // Runs start-up with `commandLine`; true when it ended the program.
  bool Start(const std::string& commandLine) {
    sim.commandLine = commandLine;
    return Ends([&] { Main(program, windows); });
  }
  // The steps of start-up that start with one of `kinds`, in order.
  std::vector<std::string> Steps(std::initializer_list<std::string> kinds) {
    std::vector<std::string> kept;
    for (const std::string& step : sim.steps)
      for (const std::string& kind : kinds)
        if (step.rfind(kind, 0) == 0) kept.push_back(step);
    return kept;
  }
  RecordingWindows windows{sim};
};

TEST_F(StartupTest, EmptyCommandLineWithoutTheChoiceSettingEndsAndShowsNothing) {
  WriteIni(std::string(kTitles) + "[General]\nChoiceOnCoachDoubleClick=2\n");
  EXPECT_TRUE(Start(""));
  EXPECT_TRUE(sim.formsCreated.empty());
  EXPECT_EQ(windows.loaded, "");

  WriteIni(kTitles);
  EXPECT_TRUE(Start(""));
  EXPECT_TRUE(sim.formsCreated.empty());
}

TEST_F(StartupTest, AMissingSettingsFileEndsAnEmptyStartQuietly) {
  EXPECT_TRUE(Start(""));
  EXPECT_TRUE(sim.writes.empty());
  EXPECT_EQ(program.settings.SettingsPath, "C:\\Program Files\\Vantor\\zthelp.ini");
}

class ChoiceStartTest : public StartupTest {
 protected:
  ChoiceStartTest() { WriteIni(std::string(kTitles) + "[General]\nChoiceOnCoachDoubleClick=1\n"); }
};

TEST_F(ChoiceStartTest, TheDialogOpensCentredWithItsTextsAndOkPicksTheCoach) {
  sim.OnModal("frmChoice", [&](sim::SimFormHost& dialog) {
    EXPECT_EQ(dialog.Caption(), "Vantor");
    EXPECT_EQ(dialog.Control(kQuestion).text, "What would you like to open?");
    EXPECT_EQ(dialog.Control(kCoach).text, "Scan Coach");
    EXPECT_EQ(dialog.Control(kVideo).text, "How-To Videos");
    EXPECT_EQ(dialog.Control(kOk).text, "OK");
    EXPECT_EQ(dialog.Control(kCancel).text, "Cancel");
    EXPECT_TRUE(dialog.Control(kCoach).value);
    EXPECT_FALSE(dialog.Control(kVideo).value);
    EXPECT_NEAR(dialog.Left(), 15360 / 2 - dialog.Width() / 2.0, 0.5);
    EXPECT_NEAR(dialog.Top(), 11520 / 2 - dialog.Height() / 2.0, 0.5);
    // The pointer is normal while the user chooses.
    EXPECT_EQ(sim.pointers.back(), Pointer::Default);
    dialog.Click(kOk);
  });
  EXPECT_FALSE(Start(""));
  EXPECT_EQ(windows.loaded, "coach");
  EXPECT_EQ(sim.doEventsCalls, 1);
  EXPECT_EQ(sim.FindForm("frmChoice"), nullptr);  // released after it closed
}

TEST_F(ChoiceStartTest, EnterPicksTheSelectedOption) {
  sim.OnModal("frmChoice", [](sim::SimFormHost& dialog) { dialog.PressEnter(); });
  EXPECT_FALSE(Start(""));
  EXPECT_EQ(windows.loaded, "coach");
}

TEST_F(ChoiceStartTest, TheSecondOptionOpensTheVideoWindowWithoutAClip) {
  sim.OnModal("frmChoice", [](sim::SimFormHost& dialog) {
    dialog.Click(kVideo);
    dialog.Click(kOk);
  });
  EXPECT_FALSE(Start(""));
  EXPECT_EQ(windows.loaded, "video");
  EXPECT_EQ(windows.selectedAtLoad, -1);
}

TEST_F(ChoiceStartTest, CancelAndEscapeEndTheProgram) {
  sim.OnModal("frmChoice", [](sim::SimFormHost& dialog) { dialog.Click(kCancel); });
  EXPECT_TRUE(Start(""));
  EXPECT_EQ(windows.loaded, "");

  sim.OnModal("frmChoice", [](sim::SimFormHost& dialog) { dialog.PressEscape(); });
  EXPECT_TRUE(Start(""));
  EXPECT_EQ(windows.loaded, "");
}

TEST_F(ChoiceStartTest, TheCloseBoxKeepsTheCoach) {
  sim.OnModal("frmChoice", [](sim::SimFormHost& dialog) {
    dialog.Click(kVideo);
    dialog.CloseBox();
  });
  EXPECT_FALSE(Start(""));
  EXPECT_EQ(windows.loaded, "coach");
}

TEST_F(ChoiceStartTest, ACommandLineNeverAsks) {
  EXPECT_FALSE(Start("7"));
  EXPECT_TRUE(sim.formsCreated.empty());
  EXPECT_EQ(windows.loaded, "coach");
}

TEST_F(StartupTest, AutomaticLaunchFollowsTheSetting) {
  WriteIni(kTitles);
  EXPECT_FALSE(Start("8"));
  EXPECT_EQ(windows.loaded, "coach");
  EXPECT_EQ(program.startup.LaunchMode, 7);

  windows.loaded.clear();
  WriteIni(std::string(kTitles) + "[General]\nAutoLaunchCoach=0\n");
  EXPECT_TRUE(Start("8"));
  EXPECT_EQ(windows.loaded, "");

  WriteIni(std::string(kTitles) + "[General]\nAutoLaunchCoach=3\n");
  EXPECT_FALSE(Start("7.5"));  // rounds to 8
  EXPECT_EQ(windows.loaded, "coach");
}

TEST_F(StartupTest, CoachStartSetsTheTitleAndEndsWithTheNormalPointer) {
  WriteIni(kTitles);
  EXPECT_FALSE(Start("7"));
  EXPECT_EQ(sim.appTitle, "Scan Coach");
  EXPECT_EQ(sim.pointers.front(), Pointer::ArrowHourglass);
  EXPECT_EQ(sim.pointers.back(), Pointer::Default);
  EXPECT_EQ(windows.folderSearches, 0);
}

// The normal pointer while the search may ask for the clips, the hourglass
// while their folder is written, the normal pointer before the window loads.
TEST_F(StartupTest, AVideoStartSetsThePointerAroundTheSearchAndTheWrite) {
  WriteIni(kTitles);
  EXPECT_FALSE(Start("1002"));
  EXPECT_EQ(Steps({"pointer", "search", "write", "load"}),
            (std::vector<std::string>{"pointer arrow+hourglass", "pointer arrow+hourglass",
                                      "pointer default", "search", "pointer hourglass",
                                      "write General/MoviesLastFoundAt=E:\\MOVIES",
                                      "pointer default", "load video"}));
}

// A start whose turn does not come within the limit goes on as a start
// does while another instance runs; so does one whose old video window
// will not close.
TEST_F(StartupTest, AnInstanceThatHangsHoldsUpAStartForTheLimitOnly) {
  WriteIni(kTitles);
  sim.AddEarlierInstance(true);
  sim.AddWindow("Scan Coach", {0, 0, 400, 500});
  EXPECT_TRUE(Start("7"));
  EXPECT_EQ(sim.waitedMs, kStartTurnLimitMs);
  EXPECT_EQ(sim.activated, std::vector<std::string>{"Scan Coach"});

  const WindowHandle video = sim.AddWindow("How-To Videos", {100, 80, 500, 380});
  sim.Window(video).refusesToClose = true;
  sim.waitedMs = 0;
  EXPECT_FALSE(Start("9"));
  EXPECT_EQ(sim.waitedMs, 2 * kStartTurnLimitMs);
  EXPECT_EQ(sim.Window(video).requests, std::vector<std::string>{"closed"});
  EXPECT_EQ(windows.loaded, "video");
}

TEST_F(StartupTest, ARunningCoachIsBroughtForwardInsteadOfASecondOne) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  sim.AddWindow("Scan Coach", {0, 0, 400, 500});
  EXPECT_TRUE(Start("7"));
  EXPECT_EQ(sim.activated, std::vector<std::string>{"Scan Coach"});
  EXPECT_EQ(windows.loaded, "");
  EXPECT_EQ(sim.pointers.back(), Pointer::Default);
}

TEST_F(StartupTest, OnlyAVideoWindowRunningStillOpensACoachHere) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  const WindowHandle video = sim.AddWindow("How-To Videos", {0, 0, 400, 500});
  EXPECT_FALSE(Start("7"));
  EXPECT_EQ(windows.loaded, "coach");
  EXPECT_TRUE(sim.activated.empty());
  EXPECT_TRUE(sim.Window(video).requests.empty());
}

TEST_F(StartupTest, ARunningVideoWindowHandsOverItsPlaceAndIsClosed) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  const WindowHandle video = sim.AddWindow("How-To Videos", {100, 80, 500, 380});
  EXPECT_FALSE(Start("1003"));
  EXPECT_EQ(Ini("AVIPosition", "left"), "1500");
  EXPECT_EQ(Ini("AVIPosition", "top"), "1200");
  EXPECT_EQ(Ini("AVIPosition", "width"), "6000");
  EXPECT_EQ(Ini("AVIPosition", "height"), "4500");
  EXPECT_EQ(sim.Window(video).requests, std::vector<std::string>{"closed"});
  EXPECT_EQ(windows.loaded, "video");
  EXPECT_EQ(windows.selectedAtLoad, 3);
  EXPECT_EQ(program.startup.LoadedClip, -1);
  EXPECT_EQ(Ini("General", "MoviesLastFoundAt"), "E:\\MOVIES");
  EXPECT_EQ(sim.appTitle, "How-To Videos");
}

TEST_F(StartupTest, AHandedOverPlaceCountsFromTheWorkAreasCorner) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  sim.workArea = {60, 40, 1024, 768};  // taskbars on the left and at the top
  sim.AddWindow("How-To Videos", {100, 80, 500, 380});
  EXPECT_FALSE(Start("1000"));
  EXPECT_EQ(Ini("AVIPosition", "left"), "1500");
  EXPECT_EQ(Ini("AVIPosition", "top"), "1200");
  EXPECT_EQ(Ini("AVIPosition", "width"), "6000");
  EXPECT_EQ(windows.loaded, "video");
  EXPECT_EQ(windows.selectedAtLoad, 0);  // 1000 is the first clip
}

// A settings file the program may not write (under Program Files, without
// redirection): the writes fail quietly and the user goes on.
TEST_F(StartupTest, WritesThatFailLeaveTheFileAndStillOpenTheWindow) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  sim.writesFail = true;
  sim.AddWindow("How-To Videos", {100, 80, 500, 380});
  EXPECT_FALSE(Start("1003"));
  EXPECT_EQ(windows.loaded, "video");
  EXPECT_EQ(Ini("AVIPosition", "left"), "");
  EXPECT_EQ(Ini("General", "MoviesLastFoundAt"), "");
}

TEST_F(StartupTest, AVideoWindowWhosePlacementCannotBeReadIsClosedWithoutSaving) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  const WindowHandle video = sim.AddWindow("How-To Videos", {100, 80, 500, 380});
  sim.Window(video).placementFails = true;
  EXPECT_FALSE(Start("9"));
  EXPECT_EQ(Ini("AVIPosition", "width"), "");
  EXPECT_EQ(sim.Window(video).requests, std::vector<std::string>{"closed"});
}

TEST_F(StartupTest, EmptyTitlesNeverMatchAnotherProgramsUntitledWindow) {
  sim.AddEarlierInstance();
  const WindowHandle untitled = sim.AddWindow("", {0, 0, 10, 10});
  EXPECT_FALSE(Start("9"));
  EXPECT_TRUE(sim.Window(untitled).requests.empty());
  EXPECT_FALSE(Start("7"));
  EXPECT_TRUE(sim.activated.empty());
}

TEST_F(StartupTest, LowModesOpenTheVideoWindowWithoutAClipAndLeaveARunningOneAlone) {
  WriteIni(kTitles);
  sim.AddEarlierInstance();
  const WindowHandle video = sim.AddWindow("How-To Videos", {100, 80, 500, 380});
  EXPECT_FALSE(Start("5"));
  EXPECT_EQ(windows.loaded, "video");
  EXPECT_LT(windows.selectedAtLoad, 0);
  EXPECT_FALSE(Start("letters"));
  EXPECT_EQ(program.startup.LaunchMode, 0);
  EXPECT_LT(windows.selectedAtLoad, 0);
  EXPECT_TRUE(sim.Window(video).requests.empty());
}

TEST_F(StartupTest, NoClipFolderEndsWithoutWritingIt) {
  WriteIni(kTitles);
  windows.folder.clear();
  EXPECT_TRUE(Start("1001"));
  EXPECT_EQ(windows.folderSearches, 1);
  EXPECT_EQ(windows.loaded, "");
  EXPECT_TRUE(sim.writes.empty());
}

TEST_F(StartupTest, ModesOutsideSixteenBitsEndQuietly) {
  WriteIni(kTitles);
  for (const char* line : {"40000", "-40000", "-32000", "1e10"}) {
    EXPECT_TRUE(Start(line)) << line;
    EXPECT_EQ(windows.folderSearches, 0) << line;
  }
  EXPECT_TRUE(sim.writes.empty());
}

TEST_F(StartupTest, ACoachStartOpensTheCoachWindowAndKeepsIt) {
  WriteIni(kTitles);
  sim.commandLine = "7";
  RunStartup(program);
  ASSERT_NE(program.mainWindow, nullptr);
  EXPECT_EQ(program.mainWindow->Name(), "frmCoach");
  EXPECT_TRUE(program.mainWindow->IsLoaded());
  EXPECT_TRUE(sim.FindForm("frmCoach")->IsVisible());
}

}  // namespace
}  // namespace vantor

// The video window's own work: its clip list (blank entries, the ten labels
// it has, the missing settings file), the state it opens in, the hover
// mark, the about box, and quitting with the position saved only after a
// move.
#include <algorithm>

#include "video_fixture.h"

namespace vantor::testing {

using namespace video_controls;
namespace {

constexpr Color kGreen = 0x008000;
constexpr Color kGrey = 0x808080;

class VideoWindowTest : public VideoTest {
 protected:
  VideoWindowTest() {
    program.startup.MoviesPath = "D:\\Clips";
    sim.drives.AddDrive('d', DriveKind::Fixed);
    for (int i = 0; i < 3; ++i) {
      const std::string clip = "D:\\Clips\\clip" + std::to_string(i) + ".avi";
      sim.drives.AddFile(clip);
      sim.mci.AddClip(clip, 320, 240, 3000);
    }
  }
  bool InstructionsShown() {
    return C(kInstruction1).visible && C(kInstruction2).visible && C(kLine1).visible &&
           C(kLine2).visible;
  }
  std::vector<Color> ClipColors() {
    std::vector<Color> colors;
    for (int i = 0; i < program.video.ClipCount; ++i)
      colors.push_back(C(kClip[i]).design.foreColor);
    return colors;
  }
};

TEST_F(VideoWindowTest, ABlankEntryKeepsItsPlaceButShowsNothing) {
  OpenVideo(ClipList({"Scanning", " ", "Saving"}));
  EXPECT_EQ(program.video.ClipCount, 3);
  EXPECT_EQ((std::vector<bool>{C(kClip[0]).visible, C(kClip[1]).visible, C(kClip[2]).visible,
                               C(kClip[3]).visible}),
            (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(C(kClip[2]).toolTip, "Tip 2");
  EXPECT_EQ(At(kClip[2]).top, 94);  // the third row
  // The third label plays the third entry's clip.
  Window().Click(kClip[2]);
  const std::vector<std::string> sent = sim.mci.Commands();
  EXPECT_NE(std::find(sent.begin(), sent.end(), "Open D:\\Clips\\clip2.avi alias VidClip"),
            sent.end());
}

TEST_F(VideoWindowTest, OnlyTenEntriesAreRead) {
  std::vector<std::string> eleven;
  for (int i = 0; i < 11; ++i) eleven.push_back("Clip " + std::to_string(i));
  OpenVideo(ClipList(eleven));
  EXPECT_EQ(program.video.ClipCount, 10);
  EXPECT_TRUE(C(kClip[9]).visible);
}

// The list as a value, before any window: ten entries are all read, an
// eleventh is not, a gap ends the list, and a blank entry has no tool tip.
TEST_F(VideoWindowTest, TheClipListIsReadUpToTheTenthEntryOrTheFirstGap) {
  for (int count : {10, 11}) {
    SCOPED_TRACE(count);
    std::vector<std::string> buttons;
    for (int i = 0; i < count; ++i) buttons.push_back("Clip " + std::to_string(i));
    buttons[1] = " ";
    WriteIni(ClipList(buttons).Text());
    const std::vector<ClipEntry> clips = LoadClips(program.settings, sim);
    ASSERT_EQ(clips.size(), 10u);
    EXPECT_EQ(clips[9].text, "Clip 9");
    EXPECT_EQ(clips[0].toolTip, "Tip 0");
    EXPECT_TRUE(clips[1].Blank());
    EXPECT_EQ(clips[1].toolTip, "");
  }
  IniText gap = ClipList({"First", "Second"});
  gap.Set("AVI3", "BUTTON", "After the gap");
  WriteIni(gap.Text());
  EXPECT_EQ(LoadClips(program.settings, sim).size(), 2u);
  EXPECT_TRUE(sim.messageBoxes.empty());
}

TEST_F(VideoWindowTest, WithoutAFirstEntryTheProgramSaysSoAndEnds) {
  IniText ini = ClipList({});
  ini.Set("AVI1", "BUTTON", "Not reached");
  EXPECT_TRUE(Ends([&] { OpenVideo(ini); }));
  EXPECT_EQ(sim.messageBoxes,
            std::vector<std::string>{
                "How-to Videos|ZTHELP.INI not found. Please reinstall ZT Orvex Pro."});
  EXPECT_FALSE(Window().IsVisible());
}

TEST_F(VideoWindowTest, WithoutAClipInTheListItOpensWithTheInstruction) {
  // Mode 9, and clips 2 and 15 of a list of two.
  for (std::int16_t clip : {-1, 2, 15}) {
    SCOPED_TRACE(clip);
    program.startup.SelectedClip = clip;
    OpenVideo(ClipList({"Scanning", "Saving"}));
    EXPECT_TRUE(Window().IsVisible());
    EXPECT_EQ(program.video.PlayState, PlayState::Disable);
    EXPECT_EQ(program.startup.SelectedClip, -1);
    EXPECT_TRUE(InstructionsShown());
    EXPECT_FALSE(C(kSurface).visible);
    EXPECT_FALSE(C(kPlay).enabled);
    EXPECT_FALSE(C(kStop).enabled);
    EXPECT_TRUE(sim.mci.Commands().empty());
  }
}

TEST_F(VideoWindowTest, AChosenClipPlaysAtOnceCentredRightOfTheList) {
  program.startup.SelectedClip = 1;
  OpenVideo();
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_FALSE(InstructionsShown());
  EXPECT_EQ(C(kPlay).design.disabledPicture, "video_pause_grey");
  // (630 - 320 - 104) / 2 right of the 104-pixel list column, 72.5 down.
  EXPECT_EQ(Numbers(At(kSurface)), (std::vector<int>{207, 72, 320, 240}));
  EXPECT_EQ(sim.mci.WindowOf("VidClip"), video->SurfaceHandle());
  EXPECT_FALSE(C(kSurface).paintDue) << "the first frame would be painted over";
  // Marked while loading, greyed again by "stop" before the clip started.
  EXPECT_EQ(ClipColors(), (std::vector<Color>{kGrey, kGrey, kGrey}));
}

// At start the clip is opened and placed while the window is hidden, and
// played only once the window is on the screen with nothing left to paint:
// frames drawn before would never be seen, and a painting due after Play
// would wipe the first one.
TEST_F(VideoWindowTest, AtStartTheClipPlaysOnceTheWindowIsShownAndPainted) {
  program.startup.SelectedClip = 0;
  std::vector<std::string> seen;
  sim.mci.onCommand = [&](const std::string& command) {
    const bool play = command.rfind("Play ", 0) == 0;
    if (!play && command.rfind("Open ", 0) != 0) return;
    const bool due = C(kSurface).paintDue || C(kPanel).paintDue;
    seen.push_back(command.substr(0, 4) + (Window().IsVisible() ? " shown" : " hidden") +
                   (play && due ? " due" : ""));
  };
  OpenVideo();
  EXPECT_EQ(seen, (std::vector<std::string>{"Open hidden", "Play shown"}));
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_FALSE(program.video.PlayHeld);
  EXPECT_EQ(program.startup.LoadedClip, 0);
  // A clip chosen later plays at once, the window being on the screen.
  seen.clear();
  Window().Click(kClip[1]);
  EXPECT_EQ(seen, (std::vector<std::string>{"Open shown", "Play shown"}));
}

TEST_F(VideoWindowTest, ButtonTextsComeFromTheirOwnKeys) {
  OpenVideo();
  EXPECT_EQ(C(kQuit).text, "Quit");
  const auto tips = [&] {
    return std::vector<std::string>{C(kQuit).toolTip, C(kPlay).toolTip, C(kStop).toolTip};
  };
  EXPECT_EQ(tips(), (std::vector<std::string>{"Close the videos", "Play it", "Stop it"}));
  Window().Click(kClip[0]);
  EXPECT_EQ(tips(), (std::vector<std::string>{"Close the videos", "Hold it", "Stop it"}));
}

// The window's own timer polls the clip every 500 ms: a clip of 3.2 s shows
// "stop" at the tick of 3.5 s, not before.
TEST_F(VideoWindowTest, ThePollTimerShowsTheStopLookWhenTheClipHasEnded) {
  sim.mci.AddClip("D:\\Clips\\clip0.avi", 320, 240, 3200);
  program.startup.SelectedClip = 0;
  OpenVideo();
  sim.Advance(3499);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_TRUE(C(kStop).enabled);
  sim.Advance(1);
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  EXPECT_FALSE(C(kStop).enabled);
  EXPECT_EQ(C(kPlay).picture, "video_play");
  EXPECT_FALSE(C(kPollTimer).timerEnabled);
}

TEST_F(VideoWindowTest, TheHoverMarkLeavesWithThePointer) {
  OpenVideo();
  for (const char* elsewhere : {"", kBackground.name, kPanel.name, kBar.name, kSurface.name}) {
    SCOPED_TRACE(elsewhere);
    Window().MouseMove(kClip[1]);
    EXPECT_EQ(ClipColors(), (std::vector<Color>{kGrey, kGreen, kGrey}));
    Window().MouseMove(elsewhere);
    EXPECT_EQ(ClipColors(), (std::vector<Color>{kGrey, kGrey, kGrey}));
  }
}

TEST_F(VideoWindowTest, ADoubleClickOnTheBarShowsTheAboutBoxUnderTheWindowsTitle) {
  OpenVideo();
  std::string caption;
  sim.OnModal("frmAbout", [&](sim::SimFormHost& box) { caption = box.Caption(); });
  Window().DblClick(kBar);
  EXPECT_EQ(caption, "How-to Videos");
}

TEST_F(VideoWindowTest, AMinimisedOrMaximisedWindowSavesWhereItStoodNormally) {
  for (auto [state, stored] :
       {std::pair{WindowState::Minimised, "1"}, std::pair{WindowState::Maximised, "2"}}) {
    OpenVideo();
    const int left = video->Left(), top = video->Top();
    Window().SetWindowState(state);
    EXPECT_TRUE(Ends([&] { Window().CloseBox(); }));
    EXPECT_EQ(Ini("AVIPosition", "left"), "");

    OpenVideo();
    video->SetLeft(left + 300);
    Window().SetWindowState(state);
    EXPECT_TRUE(Ends([&] { Window().CloseBox(); }));
    EXPECT_EQ(Ini("AVIPosition", "left"), std::to_string(left + 300));
    EXPECT_EQ(Ini("AVIPosition", "top"), std::to_string(top));
    EXPECT_EQ(Ini("AVIPosition", "windowstate"), stored);
  }
}

TEST_F(VideoWindowTest, QuittingClosesTheClipsAndSavesThePositionOnlyAfterAMove) {
  program.startup.SelectedClip = 0;
  OpenVideo();
  // A failing close is kept, not reported.
  sim.mci.FailCommand("close", sim::mci::kInternal);
  EXPECT_TRUE(Ends([&] { Window().Click(kQuit); }));
  EXPECT_EQ(sim.mci.Commands().back(), "Close All");
  EXPECT_EQ(program.video.MciResult, static_cast<std::int16_t>(sim::mci::kInternal));
  EXPECT_TRUE(sim.messageBoxes.empty());
  EXPECT_EQ(Ini("AVIPosition", "left"), "");

  // Escape does nothing, even while a clip plays; the close box quits.
  OpenVideo();
  EXPECT_FALSE(Ends([&] { Window().PressEscape(); }));
  EXPECT_TRUE(Window().IsVisible());
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  video->SetLeft(video->Left() + 300);
  EXPECT_TRUE(Ends([&] { Window().CloseBox(); }));
  EXPECT_EQ(Ini("AVIPosition", "left"), std::to_string(video->Left()));
}

}  // namespace
}  // namespace vantor::testing

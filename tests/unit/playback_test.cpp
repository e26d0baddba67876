// Playing clips through the multimedia layer: the commands and their
// order, the four play states, the end-of-clip poll, the clip colours and
// the error reports, on the fake device of the simulated desktop.
#include "video/playback.h"

#include <gmock/gmock.h>

#include <map>

#include "sim_fixture.h"
#include "videosource/frm_nocd.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;

constexpr Color kGreen = 0x008000;
constexpr Color kGrey = 0x808080;
constexpr WindowHandle kSurface = 0x2468;

// The video window as playback sees it, recording what it was told.
class RecordingView : public VideoView {
 public:
  void ApplyPlayLook(const PlayLook& look, const std::string& playToolTip) override {
    this->look = look;
    toolTip = playToolTip;
    surfaceVisible = look.surfaceVisible;
    log.push_back("look " + playToolTip);
  }
  void SetClipLabelColor(int index, Color color) override { colors[index] = color; }
  void ShowPlayingClip(int index) override { playing = index; }
  void HideSurface() override {
    surfaceVisible = false;
    log.push_back("hide");
  }
  void PlaceSurface(const Bounds& bounds) override {
    surface = bounds;
    log.push_back("place");
  }
  Bounds PanelBounds() const override { return {0, 0, 630, 385}; }
  WindowHandle SurfaceHandle() const override { return kSurface; }
  void SetPollTimer(bool running) override {
    timerRunning = running;
    log.push_back(running ? "timer on" : "timer off");
  }
  // The clip search's questions go to `ask`: the prompt and picker, or a
  // test's own answers.
  void AskForClipFolder(const std::string& folderPicked) override {
    log.push_back("ask " + folderPicked);
    ask->AskForClipFolder(folderPicked);
  }
  void PickClipFolder() override {
    log.push_back("pick");
    ask->PickClipFolder();
  }
  ClipFolderQuestions* ask = nullptr;

  PlayLook look;
  std::string toolTip;
  bool surfaceVisible = false;
  bool timerRunning = false;
  Bounds surface;
  std::map<int, Color> colors;
  int playing = -1;
  std::vector<std::string> log;
};

class PlaybackTest : public SimTest {
 protected:
  PlaybackTest() {
    sim.drives.AddDrive('d', DriveKind::Fixed);
    WriteIni(
        "[frmRUNAVI Text]\nTitle=How-to Videos\nStartButtonToolTip=Play\n"
        "PauseButtonToolTip=Pause\n"
        "[AVI0]\nBUTTON=Scanning\nFile=scan.avi\n"
        "[AVI1]\nBUTTON=Zooming\nFile=zoom.avi\n"
        "[AVI2]\nBUTTON=Saving\nFile=save as.avi\n"
        "[AVI Setup]\nvolumeString=SCANCD\nrelativePath=movies\nkeyFile=scan.avi\n");
    program.startup.MoviesPath = "D:\\clips";
    program.video.ClipCount = 3;
    program.video.ListColumnWidth = 150;
    view.ask = &dialogs;
    AddClip("scan.avi", 320, 240, 3000);
    AddClip("zoom.avi", 160, 120, 2000);
    AddClip("save as.avi", 320, 240, 2000);
  }

  void AddClip(const std::string& name, int width, int height, long long lengthMs,
               const std::string& folder = "D:\\clips\\") {
    sim.mci.AddClip(folder + name, width, height, lengthMs);
    sim.drives.AddFile(folder + name);
  }
  // The product CD in e:, holding the first two clips.
  void InsertProductCD() {
    sim.drives.AddDrive('e', DriveKind::CdRom, "SCANCD01");
    AddClip("scan.avi", 320, 240, 3000, "e:\\movies\\");
    AddClip("zoom.avi", 160, 120, 2000, "e:\\movies\\");
  }

  // What the window's load does with the clip chosen at start.
  void Load(std::int16_t clip) {
    SetPlayState(program.Video(), view, PlayState::Stop);
    SelectClip(program.Video(), view, clip);
    sim.mci.sent.clear();
    view.log.clear();
  }
  std::vector<std::string> Commands() const { return sim.mci.Commands(); }

  ClipFolderDialogs dialogs{program};
  RecordingView view;
};

// The open sequence, from closing what was open to playing.
std::vector<std::string> OpenSequence(const std::string& path) {
  return {"Close All", "Open " + path + " alias VidClip",
          "Window VidClip handle  " + std::to_string(kSurface), "Where VidClip destination",
          "Play VidClip"};
}

TEST_F(PlaybackTest, OpeningAClipSendsTheOpenSequenceAndCentresTheSurface) {
  SetPlayState(program.Video(), view, PlayState::Stop);
  SelectClip(program.Video(), view, 0);

  EXPECT_EQ(Commands(), OpenSequence("D:\\clips\\scan.avi"));
  std::vector<int> replyLengths;
  for (const auto& command : sim.mci.sent) replyLengths.push_back(command.replyLength);
  EXPECT_THAT(replyLengths, ElementsAre(0, 0, 0, 511, 0));
  EXPECT_EQ(sim.mci.ModeOf("vidclip"), "playing");

  // 320 x 240 right of a 150-pixel list in the 630 x 385 panel: 72.5 -> 72.
  EXPECT_EQ(view.surface.left, 230);
  EXPECT_EQ(view.surface.top, 72);
  EXPECT_THAT(view.log, ElementsAre("look Play", "hide", "place", "look Pause", "timer on"));
  EXPECT_TRUE(view.surfaceVisible);
  EXPECT_TRUE(view.look.showsPause && view.look.playEnabled && view.look.stopEnabled);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_EQ(program.startup.LoadedClip, 0);
  EXPECT_THAT(sim.pointers, ElementsAre(Pointer::Hourglass, Pointer::Default));
  EXPECT_TRUE(sim.messageBoxes.empty());
}

TEST_F(PlaybackTest, APathWithABlankIsQuotedSoThatTheClipOpens) {
  Load(2);
  EXPECT_EQ(sim.mci.ModeOf("VidClip"), "playing");
  EXPECT_TRUE(sim.messageBoxes.empty());

  // The clip that plays, clicked again: stopped, then played from its start.
  SelectClip(program.Video(), view, 2);
  EXPECT_EQ(Commands()[0], "Stop VidClip");
  EXPECT_EQ(Commands()[2], "Open \"D:\\clips\\save as.avi\" alias VidClip");
  EXPECT_EQ(Commands()[1], "Close All");
}

// A double quote in a file name would close the quoted path early and let
// the rest of the name into the command as words of its own.
TEST_F(PlaybackTest, AFileNameWithADoubleQuoteIsReportedOnceAndNeverSent) {
  const std::string rest = " cannot be played: its file name holds a double quotation mark (\").";
  for (const std::string file : {"scan.avi\" alias Other", "say \"hi\".avi", "a\"b.avi"}) {
    SCOPED_TRACE(file);
    sim.WriteProfileString("AVI1", "File", file, IniPath());
    Load(0);
    sim.messageBoxes.clear();
    // From a playing clip and from the instruction alike.
    for (const PlayState from : {PlayState::Play, PlayState::Disable}) {
      program.video.PlayState = from;
      SelectClip(program.Video(), view, 1);
    }
    EXPECT_THAT(Commands(), ElementsAre("Stop VidClip"));
    EXPECT_THAT(sim.messageBoxes, ElementsAre("How-to Videos|The clip D:\\clips\\" + file + rest,
                                              "How-to Videos|The clip D:\\clips\\" + file + rest));
    EXPECT_EQ(program.video.PlayState, PlayState::Stop);
    EXPECT_FALSE(view.timerRunning);
    EXPECT_TRUE(sim.formsCreated.empty()) << "such a file is not looked for elsewhere";
  }
  sim.WriteProfileString("frmRUNAVI Text", "BadClipFileMessage", "Kein Film: %1!", IniPath());
  sim.messageBoxes.clear();
  TogglePlayback(program.Video(), view);
  EXPECT_THAT(sim.messageBoxes, ElementsAre("How-to Videos|Kein Film: D:\\clips\\a\"b.avi!"));
}

TEST_F(PlaybackTest, NoClipChosenShowsTheInstructionAndOddStatesShowNothing) {
  SelectClip(program.Video(), view, -1);
  EXPECT_EQ(program.video.PlayState, PlayState::Disable);
  EXPECT_TRUE(view.look.instructionsVisible);
  EXPECT_FALSE(view.look.playEnabled || view.look.stopEnabled || view.surfaceVisible);
  EXPECT_EQ(view.toolTip, "Play");
  EXPECT_TRUE(Commands().empty());

  // The state before the window loads has no look: setting it changes
  // nothing on screen.
  EXPECT_FALSE(LookOfPlayState(PlayState::None).has_value());
  view.log.clear();
  SetPlayState(program.Video(), view, PlayState::None);
  EXPECT_TRUE(view.log.empty());
  EXPECT_EQ(program.video.PlayState, PlayState::None);
}

TEST_F(PlaybackTest, StopGreysTheSelectedClipOnlyWhenTheListHasIt) {
  program.startup.SelectedClip = 1;
  SetPlayState(program.Video(), view, PlayState::Play);
  EXPECT_TRUE(view.colors.empty());
  SetPlayState(program.Video(), view, PlayState::Stop);
  EXPECT_EQ(view.colors, (std::map<int, Color>{{1, kGrey}}));

  // A clip number from the command line beyond the list has no label.
  view.colors.clear();
  program.startup.SelectedClip = 3;
  SetPlayState(program.Video(), view, PlayState::Stop);
  program.startup.SelectedClip = -1;
  SetPlayState(program.Video(), view, PlayState::Stop);
  EXPECT_TRUE(view.colors.empty());
}

TEST_F(PlaybackTest, PauseAndResumeTheSameClip) {
  Load(0);
  TogglePlayback(program.Video(), view);
  EXPECT_THAT(Commands(), ElementsAre("Pause VidClip"));
  EXPECT_EQ(program.video.PlayState, PlayState::Pause);
  EXPECT_EQ(view.toolTip, "Play");
  EXPECT_TRUE(view.look.stopEnabled);
  EXPECT_TRUE(view.timerRunning);
  EXPECT_EQ(sim.mci.ModeOf("VidClip"), "paused");

  // A paused clip does not run on.
  sim.Advance(5000);
  TogglePlayback(program.Video(), view);
  EXPECT_THAT(Commands(), ElementsAre("Pause VidClip", "Resume VidClip"));
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_EQ(view.toolTip, "Pause");
  EXPECT_EQ(sim.mci.ModeOf("VidClip"), "playing");
}

TEST_F(PlaybackTest, AnotherClipChosenWhilePausedIsStoppedThenOpened) {
  Load(0);
  TogglePlayback(program.Video(), view);
  sim.mci.sent.clear();
  view.colors.clear();

  SelectClip(program.Video(), view, 1);
  std::vector<std::string> expected = {"Stop VidClip"};
  for (const auto& command : OpenSequence("D:\\clips\\zoom.avi")) expected.push_back(command);
  EXPECT_EQ(Commands(), expected);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_EQ(program.startup.LoadedClip, 1);
  // The new clip is already the selected one when the stop greys a label.
  EXPECT_EQ(view.colors, (std::map<int, Color>{{1, kGrey}}));
  EXPECT_EQ(view.surface.left, 310);  // (630 - 160 - 150) / 2 + 150
  EXPECT_EQ(view.surface.top, 132);   // (385 - 120) / 2 = 132.5
}

TEST_F(PlaybackTest, PlayInStopOpensTheClipAgainFromItsStart) {
  Load(0);
  sim.Advance(1000);
  StopClip(program.Video(), view);
  EXPECT_THAT(Commands(), ElementsAre("Stop VidClip"));
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  EXPECT_FALSE(view.timerRunning);
  EXPECT_TRUE(view.surfaceVisible);  // the last frame stays on screen
  EXPECT_EQ(view.colors[0], kGrey);

  sim.mci.sent.clear();
  TogglePlayback(program.Video(), view);
  EXPECT_EQ(Commands(), OpenSequence("D:\\clips\\scan.avi"));
  sim.Advance(2999);
  EXPECT_EQ(sim.mci.ModeOf("VidClip"), "playing");
}

TEST_F(PlaybackTest, ThePollNoticesTheEndOfTheClip) {
  Load(0);
  sim.Advance(2999);
  PollClipStatus(program.Video(), view);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_TRUE(view.timerRunning);

  sim.Advance(1);
  PollClipStatus(program.Video(), view);
  EXPECT_THAT(Commands(), ElementsAre("Status VidClip mode", "Status VidClip mode"));
  EXPECT_EQ(sim.mci.sent[0].replyLength, 255);
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  EXPECT_FALSE(view.timerRunning);
  EXPECT_FALSE(view.look.stopEnabled);
  EXPECT_EQ(view.colors[0], kGrey);
  EXPECT_TRUE(sim.messageBoxes.empty());
}

// The first seven letters of the mode word count, in any case.
TEST_F(PlaybackTest, ThePollEndsTheClipOnAnyWordThatStartsWithStopped) {
  for (const auto& [reply, ends] : std::vector<std::pair<std::string, bool>>{{"stopped", true},
                                                                             {"STOPPED", true},
                                                                             {"Stopped", true},
                                                                             {"stoppedX", true},
                                                                             {"stoppe", false},
                                                                             {"stoppXd", false},
                                                                             {"playing", false},
                                                                             {"", false}}) {
    SCOPED_TRACE(reply);
    Load(0);
    sim.mci.modeReply = reply;
    PollClipStatus(program.Video(), view);
    EXPECT_EQ(program.video.PlayState, ends ? PlayState::Stop : PlayState::Play);
    EXPECT_EQ(view.timerRunning, !ends);
  }
}

TEST_F(PlaybackTest, AFailingPollIsReportedOnEveryTickAndTheTimerStaysOn) {
  Load(0);
  sim.mci.FailCommand("status", sim::mci::kInternal);
  PollClipStatus(program.Video(), view);
  PollClipStatus(program.Video(), view);
  EXPECT_EQ(sim.messageBoxes.size(), 2u);
  EXPECT_TRUE(view.timerRunning);
}

TEST_F(PlaybackTest, AFailingPlayGoesToStopBeforeItsOneReport) {
  sim.mci.FailCommand("play", sim::mci::kInternal);
  Load(0);
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  EXPECT_FALSE(view.timerRunning);
  EXPECT_EQ(program.startup.LoadedClip, -1);
  EXPECT_THAT(sim.messageBoxes,
              ElementsAre("How-to Videos|A problem occurred in initializing MCI. Try restarting "
                          "Windows."));
  EXPECT_EQ(program.video.MciCommand, "Play VidClip");
}

TEST_F(PlaybackTest, AnUnplayableFileIsReportedOncePerFailingCommand) {
  sim.drives.AddFile("D:\\clips\\broken.avi");  // there, but the device cannot open it
  sim.WriteProfileString("AVI1", "File", "broken.avi", IniPath());
  Load(1);

  const std::string notOpen =
      "How-to Videos|The specified device is not open or is not "
      "recognized by MCI.";
  EXPECT_THAT(sim.messageBoxes,
              ElementsAre("How-to Videos|Cannot find the specified file. Make sure the path and "
                          "filename are correct.",
                          notOpen, notOpen, notOpen));
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  // No size came back: an empty surface in the middle of the free area.
  EXPECT_EQ(view.surface.width, 0);
  EXPECT_EQ(view.surface.left, 390);
  EXPECT_EQ(view.surface.top, 192);  // 192.5
}

TEST_F(PlaybackTest, ReportsUseTheLayersWordsOrSayTheErrorIsUnknown) {
  Load(0);
  sim.mci.FailCommand("pause", 0x4321);
  TogglePlayback(program.Video(), view);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);  // a failed pause changes nothing

  // A driver's error carries the driver in its high word; the error is the low word.
  sim.mci.FailCommand("stop", 0x00070000u | sim::mci::kFileNotFound);
  StopClip(program.Video(), view);
  EXPECT_EQ(program.video.MciResult, 275);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_TRUE(view.timerRunning);
  EXPECT_THAT(sim.messageBoxes,
              ElementsAre("How-to Videos|Unknown MCI Error",
                          "How-to Videos|Cannot find the specified file. Make sure the path and "
                          "filename are correct."));
}

TEST_F(PlaybackTest, HoverMarksOneClipAndThePlayingClipKeepsItsMark) {
  Load(1);
  MarkClipLabels(program.Video(), view, 1);
  MarkClipLabels(program.Video(), view, 0);
  // Clip 1 plays: leaving it does not grey it.
  EXPECT_EQ(view.colors, (std::map<int, Color>{{0, kGreen}, {1, kGreen}, {2, kGrey}}));
  MarkClipLabels(program.Video(), view, -1);
  EXPECT_EQ(view.colors, (std::map<int, Color>{{0, kGrey}, {1, kGreen}, {2, kGrey}}));

  StopClip(program.Video(), view);
  MarkClipLabels(program.Video(), view, -1);
  EXPECT_EQ(view.colors, (std::map<int, Color>{{0, kGrey}, {1, kGrey}, {2, kGrey}}));
}

TEST_F(PlaybackTest, ClosingEveryClipKeepsItsResultAndReportsNothing) {
  Load(0);
  CloseAllClips(program.Video());
  EXPECT_EQ(sim.mci.ModeOf("VidClip"), "");
  sim.mci.FailCommand("close", sim::mci::kInternal);
  CloseAllClips(program.Video());
  EXPECT_EQ(program.video.MciCommand, "Close All");
  EXPECT_EQ(program.video.MciResult, 277);
  EXPECT_TRUE(sim.messageBoxes.empty());
}

TEST_F(PlaybackTest, AClipFileThatHasGoneIsLookedForBeforeAnyCommand) {
  InsertProductCD();
  Load(0);
  // The clip folder's drive goes away while the clip plays: the search
  // finds the CD before the pause is sent, and later clips come from there.
  sim.drives.RemoveDrive('d');
  sim.pointers.clear();
  TogglePlayback(program.Video(), view);
  EXPECT_THAT(Commands(), ElementsAre("Pause VidClip"));
  EXPECT_EQ(program.startup.MoviesPath, "e:\\movies");
  // No busy pointer over the search's prompt.
  EXPECT_THAT(sim.pointers, ElementsAre(Pointer::Hourglass, Pointer::Default, Pointer::Hourglass,
                                        Pointer::Default));

  sim.mci.sent.clear();
  SelectClip(program.Video(), view, 1);
  EXPECT_EQ(Commands()[2], "Open e:\\movies\\zoom.avi alias VidClip");
  EXPECT_EQ(sim.mci.ModeOf("VidClip"), "playing");
  EXPECT_TRUE(sim.messageBoxes.empty());
}

// Playback opens no window of its own: the search's questions go to the
// view, here answered by browsing once and then giving up.
TEST_F(PlaybackTest, TheSearchForAMissingFileAsksThroughTheView) {
  struct BrowseThenCancel : ClipFolderQuestions {
    explicit BrowseThenCancel(VideoSourceState& state) : state(state) {}
    void AskForClipFolder(const std::string&) override {
      state.BrowseRequested = ++asked == 1 ? 1 : 0;
      state.NoCDAnswer = asked == 1 ? "" : kNoCDCancelled;
    }
    void PickClipFolder() override { state.PickedFolder = "C:\\Picked"; }
    VideoSourceState& state;
    int asked = 0;
  } answers(program.videosource);
  view.ask = &answers;
  sim.drives.RemoveDrive('d');
  SetPlayState(program.Video(), view, PlayState::Stop);
  view.log.clear();
  EXPECT_TRUE(Ends([&] { SelectClip(program.Video(), view, 0); }));
  EXPECT_THAT(view.log, ElementsAre("ask ", "pick", "ask C:\\Picked"));
  EXPECT_TRUE(sim.formsCreated.empty());
}

TEST_F(PlaybackTest, GivingUpTheSearchForAMissingFileEndsTheProgramAtOnce) {
  sim.drives.RemoveDrive('d');
  sim.OnModal("frmNoCD", [](sim::SimFormHost& prompt) { prompt.Click(nocd_controls::kCancel); });
  SetPlayState(program.Video(), view, PlayState::Stop);
  EXPECT_TRUE(Ends([&] { SelectClip(program.Video(), view, 0); }));
  EXPECT_EQ(sim.formsCreated, std::vector<std::string>{"frmNoCD"});
  EXPECT_TRUE(Commands().empty());
}

}  // namespace
}  // namespace vantor::testing

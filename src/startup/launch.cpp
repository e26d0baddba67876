#include "startup/launch.h"

#include "dialogs/frm_choice.h"
#include "placement/placement.h"
#include "startup/command_value.h"

namespace vantor {
namespace {

// The launch mode from the command line, or from the choice dialog when the
// command line is empty and the settings ask for it. Ends the program when
// there is nothing to open.
void ChooseLaunchMode(Program& program) {
  Platform& os = program.platform;
  const std::int32_t askChoice =
      program.settings.ReadIniInt("General", "ChoiceOnCoachDoubleClick", 0);
  const std::string commandLine = os.CommandLine();
  if (commandLine.empty() && askChoice == 1) {
    program.startup.LaunchMode = kModeCoach;
    os.SetPointer(Pointer::Default);
    AskLaunchMode(program);
    os.DoEvents();
    if (program.startup.LaunchMode == kModeNone) os.EndNow();
  } else if (!commandLine.empty()) {
    const std::optional<std::int16_t> mode = LaunchModeFromCommandLine(commandLine);
    if (!mode) os.EndNow();  // no 16-bit mode: nothing sensible to open
    program.startup.LaunchMode = *mode;
  } else {
    os.EndNow();
  }
}

bool IsVideoMode(std::int16_t mode) { return mode == kModeVideo || mode >= kModeVideoClipBase; }

// Ends this start's turn however start-up ends: with its window open, or at
// once (where ending the process ends the turn as well).
class TurnHeld {
 public:
  explicit TurnHeld(Instances& instances) : instances_(instances) {}
  ~TurnHeld() { instances_.EndStartTurn(); }
  TurnHeld(const TurnHeld&) = delete;
  TurnHeld& operator=(const TurnHeld&) = delete;

 private:
  Instances& instances_;
};

// Another instance is running: bring its coach forward instead of opening a
// second one, or take over the place of its video window and close it.
void MeetRunningInstance(Program& program, const std::string& coachTitle,
                         const std::string& videoTitle) {
  Platform& os = program.platform;
  const std::int16_t mode = program.startup.LaunchMode;
  if (mode == kModeCoach) {
    if (FindWindowTitled(os, coachTitle) == 0) return;
    os.AppActivate(coachTitle);
    os.SetPointer(Pointer::Default);
    os.EndNow();
  }
  if (!IsVideoMode(mode)) return;
  const WindowHandle video = FindWindowTitled(os, videoTitle);
  if (video == 0) return;
  // Without the old window's rectangle there is nothing worth remembering;
  // a zero-sized placement would only spoil the next restore.
  if (ReadFoundPlacement(program, video)) SaveWindowPlacement(program, "AVIPosition");
  // Only once it has gone does this window open: never two windows playing
  // at once, and the old window's own save at its close is over before the
  // new one reads its place. One that will not close is not waited for long.
  if (os.AskToClose(video)) os.ProgramInstances().AwaitClosed(video, kStartTurnLimitMs);
}

void OpenVideoWindow(Program& program, StartupWindows& windows, const std::string& videoTitle) {
  Platform& os = program.platform;
  StartupState& state = program.startup;
  os.SetPointer(Pointer::Default);
  state.MoviesPath = windows.FindVideoFolder(program);
  if (state.MoviesPath.empty()) os.EndNow();
  os.SetPointer(Pointer::Hourglass);
  program.settings.WriteIniString("General", "MoviesLastFoundAt", state.MoviesPath);
  os.SetAppTitle(videoTitle);
  os.SetPointer(Pointer::Default);
  state.LoadedClip = -1;
  state.SelectedClip = state.LaunchMode == kModeVideo
                           ? std::int16_t{-1}
                           : static_cast<std::int16_t>(state.LaunchMode - kModeVideoClipBase);
  windows.LoadVideoWindow(program);
}

}  // namespace

void Main(Program& program, StartupWindows& windows) {
  Platform& os = program.platform;
  Settings& ini = program.settings;
  Instances& instances = os.ProgramInstances();
  // Starts that come together are decided one after another, each once the
  // one before has opened its window or ended, so that each finds what the
  // one before left: the coach to bring forward, the video window to take
  // over, or a dialog in which that start still waits for the user.
  const StartTurn turn = instances.AwaitStartTurn(kStartTurnLimitMs);
  if (turn.outcome == StartTurn::Outcome::OtherWaitsForUser) {
    instances.BringForward(turn.waitingWindow);
    os.EndNow();
  }
  const TurnHeld held(instances);
  os.SetPointer(Pointer::ArrowHourglass);
  ini.LocateSettingsFile();
  ChooseLaunchMode(program);
  os.SetPointer(Pointer::ArrowHourglass);
  if (program.startup.LaunchMode == kModeAutoCoach) {
    if (ini.ReadIniInt("General", "AutoLaunchCoach", 1) == 0) os.EndNow();
    program.startup.LaunchMode = kModeCoach;
  }
  const std::string coachTitle = ini.ReadIniString("frmCoach Text", "Title");
  const std::string videoTitle = ini.ReadIniString("frmRUNAVI Text", "Title");
  if (instances.EarlierInstanceRunning()) MeetRunningInstance(program, coachTitle, videoTitle);
  if (program.startup.LaunchMode != kModeCoach) {
    OpenVideoWindow(program, windows, videoTitle);
    return;
  }
  os.SetAppTitle(coachTitle);
  windows.LoadCoachWindow(program);
  os.SetPointer(Pointer::Default);
}

}  // namespace vantor

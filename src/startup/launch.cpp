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
    {
      frmChoice choice(program);
      choice.Load();
      CenterForm(program, choice, kApplyZOrder, kShowModal);
    }
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
  os.AskToClose(video);
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
  if (os.PreviousInstanceRunning()) MeetRunningInstance(program, coachTitle, videoTitle);
  if (program.startup.LaunchMode != kModeCoach) {
    OpenVideoWindow(program, windows, videoTitle);
    return;
  }
  os.SetAppTitle(coachTitle);
  windows.LoadCoachWindow(program);
  os.SetPointer(Pointer::Default);
}

}  // namespace vantor

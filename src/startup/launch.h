// Start-up: turns the command line into a launch mode, keeps to one coach
// and one video window across instances, and loads the chosen window.
#pragma once

#include <string>

#include "program.h"

namespace vantor {

// The windows that start-up opens, and the clip folder search it runs
// before the video window: the program's own in run.cpp, the tests' stand-ins
// elsewhere.
class StartupWindows {
 public:
  virtual ~StartupWindows() = default;
  // The clip folder, or empty when none was found and the user gave up.
  virtual std::string FindVideoFolder(Program& program) = 0;
  virtual void LoadVideoWindow(Program& program) = 0;  // frmRunAVI
  virtual void LoadCoachWindow(Program& program) = 0;  // frmCoach
};

// The launch modes.
constexpr std::int16_t kModeNone = 0;
constexpr std::int16_t kModeCoach = 7;
constexpr std::int16_t kModeAutoCoach = 8;
constexpr std::int16_t kModeVideo = 9;
constexpr std::int16_t kModeVideoClipBase = 1000;

// How long a start waits for an earlier start that makes no progress, and
// for a video window it asked to close: longer than a slow start (a CD
// spinning up), short enough that a hung instance holds up no one for long.
constexpr int kStartTurnLimitMs = 5000;

// Runs start-up to the point where the chosen window is loaded. Returns
// when the program should go on running on window events; every other
// outcome ends the program through Platform::EndNow.
void Main(Program& program, StartupWindows& windows);

}  // namespace vantor

// The one program object: the platform, the settings file and the
// module-level state that the windows and modules share. Every test starts
// from a fresh Program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "coach/coach_state.h"
#include "coach/helphost/help_object.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/types.h"
#include "settings/settings.h"
#include "video/video_state.h"
#include "videosource/video_source_state.h"

namespace vantor {

// What start-up decides and the video window reads.
struct StartupState {
  std::int16_t LaunchMode = 0;
  std::string MoviesPath;
  std::int16_t SelectedClip = -1;
  std::int16_t LoadedClip = -1;
};

// The placement of another program's window, as start-up and the placement
// operations read it: the normal rectangle, in screen coordinates for a tool
// window and in workspace coordinates for any other, and the work area
// offset of the monitor that held it when it was read.
struct PlacementState {
  Rect FoundPlacement;
  bool FoundIsToolWindow = false;
  PixelOffset FoundWorkAreaOffset;
};

// What a window is opened for: the user, or a picture of how it looks
// (vantor-check --pictures). A window for a picture shows its texts and
// layout as the user would see them, and acts on nothing: not on the
// scanning application, the settings file or the other windows.
enum class WindowUse { User, Picture };

// What the coach's logic touches: the task and the user's place in it, the
// scan choices, the help object, the settings file, and the platform (the
// program ends on Finish).
struct CoachRecord {
  CoachState& task;
  ScanActionState& scan;
  HelpHostObject& help;
  Settings& settings;
  Platform& platform;
};

// What the clip search touches: the settings file (where the clips were
// found last and what marks them), the drives and folders, and its state.
struct ClipSearchRecord {
  const Settings& settings;
  Drives& drives;
  VideoSourceState& state;
};

// What playback touches: its own state, the clip chosen and where the
// clips are (start-up's), the settings file, the platform (the multimedia
// layer, the pointer, messages, ending) and, when a clip's file has gone,
// the clip search.
struct VideoRecord {
  VideoState& state;
  StartupState& startup;
  const Settings& settings;
  Platform& platform;
  VideoSourceState& search;
  ClipSearchRecord ClipSearch() const { return {settings, platform.DrivesAndFolders(), search}; }
};

class Program {
 public:
  explicit Program(Platform& platform) : platform(platform), settings(platform) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform;
  Settings settings;
  StartupState startup;
  PlacementState placement;
  CoachState coach;
  ScanActionState scan;
  VideoState video;
  VideoSourceState videosource;
  HelpHostObject HelpObject;
  // The window whose button bar was double-clicked to open the about box.
  Form* AboutOpener = nullptr;
  // The window start-up opened; it lives as long as the program.
  std::unique_ptr<Form> mainWindow;

  CoachRecord Coach() { return {coach, scan, HelpObject, settings, platform}; }
  VideoRecord Video() { return {video, startup, settings, platform, videosource}; }
  ClipSearchRecord ClipSearch() { return {settings, platform.DrivesAndFolders(), videosource}; }
};

}  // namespace vantor

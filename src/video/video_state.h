// What the video window and its playback share for the whole run.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

struct VideoState {
  // "disable", "stop", "play" or "pause"; empty until the window loads.
  std::string PlayState;
  std::string MciCommand;  // the last command sent
  std::int16_t MciResult = 0;
  std::int16_t ClipCount = 0;
  // Pixels at the left of the picture panel that the clip list takes.
  std::int16_t ListColumnWidth = 0;
  // While the window loads, a chosen clip is opened and placed but not yet
  // played: it starts once the window is on the screen, so that its first
  // frame is drawn where it can be seen (PlayHeldClip).
  bool HoldPlay = false;
  bool PlayHeld = false;
};

}  // namespace vantor

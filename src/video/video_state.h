// What the video window and its playback share for the whole run.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// None until the window loads.
enum class PlayState { None, Disable, Stop, Play, Pause };

struct VideoState {
  vantor::PlayState PlayState = PlayState::None;
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

// Playing one clip at a time into the video window through the multimedia
// layer's command strings, and the four play states of the window. The
// logic decides; the window (a VideoView) shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_host.h"
#include "program.h"
#include "videosource/discovery.h"

namespace vantor {

// How a play state looks on the window.
struct PlayLook {
  bool showsPause = false;  // Play shows the pause pictures, else the play ones
  bool playEnabled = false;
  bool stopEnabled = false;
  bool surfaceVisible = false;
  bool instructionsVisible = false;  // both instruction lines and both connector lines
  const char* playToolTipKey = "";   // key of [frmRUNAVI Text]
};

// The look of a state; nullopt before the window loads.
std::optional<PlayLook> LookOfPlayState(PlayState state);

// What playback needs of the video window. The window implements it and is
// the only code that writes to its controls; it also asks the clip search's
// questions when a clip's file has gone.
class VideoView : public ClipFolderQuestions {
 public:
  virtual void ApplyPlayLook(const PlayLook& look, const std::string& playToolTip) = 0;
  virtual void SetClipLabelColor(int index, Color color) = 0;
  // The clip that is playing or paused, for screen readers; -1: none.
  virtual void ShowPlayingClip(int index) = 0;
  virtual void HideSurface() = 0;
  // The video surface's place inside the picture panel, in pixels.
  virtual void PlaceSurface(const Bounds& bounds) = 0;
  virtual Bounds PanelBounds() const = 0;
  // The surface's own window, which the clip is drawn into.
  virtual WindowHandle SurfaceHandle() const = 0;
  virtual void SetPollTimer(bool running) = 0;
};

// One entry of the clip list.
struct ClipEntry {
  std::string text;     // the label's caption
  std::string toolTip;  // the label's tool tip
  // A blank entry (" ") keeps its place in the list and shows nothing.
  bool Blank() const { return text == " "; }
};
// The clip list of the settings file: the entries up to the first without
// a caption, at most as many as the window has labels. A list without a
// first entry is what a missing settings file looks like: that is said
// under the video window's title, and the program ends.
std::vector<ClipEntry> LoadClips(const Settings& ini, Platform& os);

void SelectClip(const VideoRecord& video, VideoView& view, std::int16_t index);
// Plays the clip that was opened while VideoState::HoldPlay was set; does
// nothing when none was.
void PlayHeldClip(const VideoRecord& video, VideoView& view);
void TogglePlayback(const VideoRecord& video, VideoView& view);
void StopClip(const VideoRecord& video, VideoView& view);
// Closes every clip the program opened, as the window does when it goes;
// the result is kept with the command, and a failure is not reported.
void CloseAllClips(const VideoRecord& video);
void PollClipStatus(const VideoRecord& video, VideoView& view);
void SetPlayState(const VideoRecord& video, VideoView& view, PlayState state);
void MarkClipLabels(const VideoRecord& video, VideoView& view, std::int16_t hovered);

// The width and height a "Where ... destination" reply gives: its third and
// fourth words, each read as the leading number of the word (0 when there
// is none) and kept between 0 and 32767.
struct SurfaceSize {
  int width = 0;
  int height = 0;
};
SurfaceSize SurfaceSizeOfReply(std::string reply);

// Splits the first word (with its trailing blank) off `text`.
std::string TakeNextWord(std::string& text);
// The surface of `width` x `height` centred in the panel right of the clip
// list; a coordinate that would be negative is 0.
Bounds CentreSurface(const Bounds& panel, int width, int height, std::int16_t listColumnWidth);

}  // namespace vantor

#include "video/playback.h"

#include "common/numbers.h"
#include "common/text.h"
#include "placement/placement.h"
#include "settings/settings.h"
#include "video/frm_run_avi_design.h"
#include "videosource/discovery.h"

namespace vantor {

namespace {

constexpr char kTextSection[] = "frmRUNAVI Text";
// Reply buffers: the shared read buffer for a mode word, a longer one for
// the four numbers of a rectangle.
constexpr int kModeReplyLength = 255;
constexpr int kRectangleReplyLength = 511;
constexpr char kUnnamableClipKey[] = "BadClipFileMessage";
constexpr char kUnnamableClipText[] =
    "The clip %1 cannot be played: its file name holds a double quotation mark (\").";

// Sends one command and keeps it and its result for the report. The low word
// of the layer's answer is the error; the high word only names the driver.
bool Exchange(const VideoRecord& video, const std::string& command, int replyLength,
              std::string* reply = nullptr) {
  VideoState& state = video.state;
  state.MciCommand = command;
  MciAnswer answer = video.platform.MultimediaLayer().SendCommand(command, replyLength);
  state.MciResult = static_cast<std::int16_t>(answer.code & 0xFFFFu);
  if (reply) *reply = std::move(answer.reply);
  return state.MciResult == 0;
}

// The layer's text for the error, with the video window's title; the
// command that failed is not shown.
void ReportMciError(const VideoRecord& video, std::int16_t code) {
  const auto text = video.platform.MultimediaLayer().ErrorText(static_cast<std::uint16_t>(code));
  const Settings& ini = video.settings;
  video.platform.ShowMessage(text ? *text : ini.ReadIniText(texts::kUnknownMciError),
                             ini.ReadIniString(kTextSection, "Title"));
}

// Sends one command; a failure is reported and the caller carries on.
bool Send(const VideoRecord& video, const std::string& command, int replyLength = 0,
          std::string* reply = nullptr) {
  if (Exchange(video, command, replyLength, reply)) return true;
  ReportMciError(video, video.state.MciResult);
  return false;
}

// MCI reads a path with a blank in it as several words and cannot open it;
// in double quotes it is one word. Other paths go as they are.
std::string ClipPathWord(const std::string& path) {
  if (path.find(' ') == std::string::npos) return path;
  return '"' + path + '"';
}

// A double quote cannot be named to the multimedia layer: inside the quotes
// around a path it would end the path and splice the rest of the name into
// the command as words of its own.
bool NamableClipPath(const std::string& path) { return path.find('"') == std::string::npos; }

// Says which clip cannot be opened, in the window's own words ("%1" is the
// clip's file), under the video window's title.
void ReportUnnamableClip(const VideoRecord& video, const std::string& path) {
  std::string text = video.settings.ReadIniString(kTextSection, kUnnamableClipKey);
  if (text.empty()) text = kUnnamableClipText;
  if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, path);
  video.platform.ShowMessage(text, video.settings.ReadIniString(kTextSection, "Title"));
}

void PlayOpenedClip(const VideoRecord& video, VideoView& view) {
  if (!Exchange(video, "Play VidClip", 0)) {
    SetPlayState(video, view, PlayState::Stop);
    ReportMciError(video, video.state.MciResult);
    return;
  }
  video.startup.LoadedClip = video.startup.SelectedClip;
  view.SetPollTimer(true);
}

void OpenAndPlayClip(const VideoRecord& video, VideoView& view, const std::string& path,
                     WindowHandle surface) {
  if (!NamableClipPath(path)) {
    ReportUnnamableClip(video, path);
    SetPlayState(video, view, PlayState::Stop);
    return;
  }
  view.HideSurface();
  Send(video, "Close All");
  Send(video, "Open " + ClipPathWord(path) + " alias VidClip");
  Send(video, "Window VidClip handle " + SignedText(static_cast<std::int32_t>(surface)));

  std::string rectangle;
  Send(video, "Where VidClip destination", kRectangleReplyLength, &rectangle);
  const SurfaceSize size = SurfaceSizeOfReply(std::move(rectangle));
  view.PlaceSurface(
      CentreSurface(view.PanelBounds(), size.width, size.height, video.state.ListColumnWidth));

  SetPlayState(video, view, PlayState::Play);
  if (video.state.HoldPlay) {
    video.state.PlayHeld = true;
    return;
  }
  PlayOpenedClip(video, view);
}

// The clip file of the selected entry, found again when it has gone.
std::string SelectedClipPath(const VideoRecord& video, ClipFolderQuestions& ask) {
  StartupState& startup = video.startup;
  const std::string file =
      video.settings.ReadIniString("AVI" + std::to_string(startup.SelectedClip), "File");
  const std::string path = JoinPath(startup.MoviesPath, file);
  // A name that cannot be opened is not looked for elsewhere either.
  if (!NamableClipPath(path) || FileExists(video.platform.DrivesAndFolders(), path)) return path;
  // The busy pointer is the whole program's: it must not stand over the
  // prompt that the search may show.
  video.platform.SetPointer(Pointer::Default);
  startup.MoviesPath = FindVideoFolder(video.ClipSearch(), ask);
  if (startup.MoviesPath.empty()) video.platform.EndNow();
  video.platform.SetPointer(Pointer::Hourglass);
  return JoinPath(startup.MoviesPath, file);
}

}  // namespace

std::optional<PlayLook> LookOfPlayState(PlayState state) {
  using enum PlayState;
  //             pause  Play   Stop   surface instructions tool tip
  if (state == Disable) return PlayLook{false, false, false, false, true, "StartButtonToolTip"};
  if (state == Stop) return PlayLook{false, true, false, true, false, "StartButtonToolTip"};
  if (state == Play) return PlayLook{true, true, true, true, false, "PauseButtonToolTip"};
  if (state == Pause) return PlayLook{false, true, true, true, false, "StartButtonToolTip"};
  return std::nullopt;
}

std::vector<ClipEntry> LoadClips(const Settings& ini, Platform& os) {
  std::vector<ClipEntry> clips;
  const auto section = [](std::size_t index) { return "AVI" + std::to_string(index); };
  // Entries after the window's last label are not read.
  for (std::string text = ini.ReadIniString(section(0), "BUTTON");
       !text.empty() && clips.size() < static_cast<std::size_t>(kClipLabels);
       text = ini.ReadIniString(section(clips.size()), "BUTTON"))
    clips.push_back(
        {text, text == " " ? std::string() : ini.ReadIniString(section(clips.size()), "TOOLTIP")});
  if (clips.empty()) {
    os.ShowMessage(ini.ReadIniText(texts::kSettingsNotFound),
                   ini.ReadIniString(kTextSection, "Title"));
    os.EndNow();
  }
  return clips;
}

void SelectClip(const VideoRecord& video, VideoView& view, std::int16_t index) {
  video.startup.SelectedClip = index;
  if (index < 0) {
    SetPlayState(video, view, PlayState::Disable);
    return;
  }
  const PlayState state = video.state.PlayState;
  if (state == PlayState::Play || state == PlayState::Pause) StopClip(video, view);
  TogglePlayback(video, view);
}

void PlayHeldClip(const VideoRecord& video, VideoView& view) {
  VideoState& state = video.state;
  if (!state.PlayHeld) return;
  state.PlayHeld = false;
  PlayOpenedClip(video, view);
}

void TogglePlayback(const VideoRecord& video, VideoView& view) {
  video.platform.SetPointer(Pointer::Hourglass);
  const std::string path = SelectedClipPath(video, view);
  const PlayState state = video.state.PlayState;
  const StartupState& startup = video.startup;
  if (state == PlayState::Play) {
    if (Send(video, "Pause VidClip")) SetPlayState(video, view, PlayState::Pause);
  } else if (state == PlayState::Disable || state == PlayState::Stop) {
    OpenAndPlayClip(video, view, path, view.SurfaceHandle());
  } else if (state == PlayState::Pause && startup.LoadedClip == startup.SelectedClip) {
    if (Send(video, "Resume VidClip")) SetPlayState(video, view, PlayState::Play);
  } else if (state == PlayState::Pause) {
    if (Send(video, "Stop VidClip")) OpenAndPlayClip(video, view, path, view.SurfaceHandle());
  }
  video.platform.SetPointer(Pointer::Default);
}

void StopClip(const VideoRecord& video, VideoView& view) {
  if (!Send(video, "Stop VidClip")) return;
  view.SetPollTimer(false);
  SetPlayState(video, view, PlayState::Stop);
}

void CloseAllClips(const VideoRecord& video) { Exchange(video, "Close All", 0); }

void PollClipStatus(const VideoRecord& video, VideoView& view) {
  std::string mode;
  Send(video, "Status VidClip mode", kModeReplyLength, &mode);
  if (!SameWithoutCase(std::string_view(mode).substr(0, 7), "stopped")) return;
  view.SetPollTimer(false);
  SetPlayState(video, view, PlayState::Stop);
}

void SetPlayState(const VideoRecord& video, VideoView& view, PlayState state) {
  if (const auto look = LookOfPlayState(state)) {
    view.ApplyPlayLook(*look, video.settings.ReadIniString(kTextSection, look->playToolTipKey));
    // A clip that has stopped is no longer marked, even if it was the last
    // one under the mouse. Only entries of the list have a label to grey.
    const std::int16_t selected = video.startup.SelectedClip;
    if (state == PlayState::Stop && selected >= 0 && selected < video.state.ClipCount)
      view.SetClipLabelColor(selected, kClipPlain);
    view.ShowPlayingClip(look->stopEnabled ? selected : -1);
  }
  video.state.PlayState = state;
}

void MarkClipLabels(const VideoRecord& video, VideoView& view, std::int16_t hovered) {
  const bool stopped = video.state.PlayState == PlayState::Stop;
  for (std::int16_t i = 0; i < video.state.ClipCount; ++i) {
    if (i == hovered)
      view.SetClipLabelColor(i, kClipMarked);
    else if (stopped || i != video.startup.SelectedClip)
      view.SetClipLabelColor(i, kClipPlain);
    // The chosen clip keeps the mark it had under the mouse while it is
    // playing or paused.
  }
}

}  // namespace vantor

#include "video/frm_run_avi.h"

#include <algorithm>

#include "common/numbers.h"
#include "dialogs/frm_about.h"
#include "placement/placement.h"
#include "settings/settings.h"
#include "video/frm_run_avi_design.h"

namespace vantor {

using namespace video_controls;

namespace {

constexpr const char* kTexts = "frmRUNAVI Text";
constexpr const char* kBlankEntry = " ";  // keeps its place in the list, shows nothing

std::string ClipSection(int index) { return "AVI" + std::to_string(index); }

}  // namespace

frmRunAVI::frmRunAVI(Program& program, WindowUse use)
    : Form(program.platform, RunAviDesign()), program_(program), use_(use) {
  On(kPlay, EventKind::Click, [this](int) { TogglePlayback(program_, *this); });
  On(kStop, EventKind::Click, [this](int) { StopClip(program_, *this); });
  On(kQuit, EventKind::Click, [this](int) { Unload(); });
  On(kClip, EventKind::Click,
     [this](int index) { SelectClip(program_, *this, static_cast<std::int16_t>(index)); });
  OnMouse(kClip, EventKind::MouseMove, [this](int index, int, int) {
    MarkClipLabels(program_, *this, static_cast<std::int16_t>(index));
  });
  // Anywhere off the clip labels takes the hover mark away.
  const MouseHandler clearMark = [this](int, int, int) { ClearHoverMark(); };
  OnWindow(EventKind::MouseMove, clearMark);
  for (const ControlDecl<Picture>& elsewhere : {kBackground, kPanel, kBar, kSurface})
    OnMouse(elsewhere, EventKind::MouseMove, clearMark);
  On(kBar, EventKind::DblClick, [this](int) { OpenAboutBox(program_, *this); });
  OnTimer(kPollTimer, [this] { PollClipStatus(program_, *this); });
}

void frmRunAVI::Form_Load() {
  std::int16_t& selected = program_.startup.SelectedClip;
  LoadClipList();
  LayOutVideoWindow();
  // A clip the list does not hold cannot be shown as chosen: the window
  // opens without one, with its instruction, as it does for a picture.
  if (selected >= program_.video.ClipCount || use_ == WindowUse::Picture) selected = -1;
  MarkClipLabels(program_, *this, selected);
  SetPlayState(program_, *this, PlayState::Stop);
  // The clip is opened and placed with the window still hidden, so that the
  // window appears as it will stay; it plays once the window is shown and
  // painted, or its first frames would go to a window not yet on the screen.
  program_.video.HoldPlay = true;
  SelectClip(program_, *this, selected);
  program_.video.HoldPlay = false;
  // A window for a picture stays hidden where it was created, for the
  // picture taker to place.
  if (use_ == WindowUse::Picture) return;
  RestoreFormPosition(program_, *this, "AVIPosition", kApplyPosition | kApplyZOrder, kShowModeless);
  StartLeft = Left();
  StartTop = Top();
  PaintNow();
  PlayHeldClip(program_, *this);
}

void frmRunAVI::Form_Unload() {
  if (use_ == WindowUse::Picture) return;
  CloseAllClips(program_);
  SaveFormPositionIfMoved(program_, *this, "AVIPosition", StartLeft, StartTop);
  program_.platform.EndNow();
}

void frmRunAVI::LoadClipList() {
  Platform& os = program_.platform;
  const Settings& ini = program_.settings;
  VideoState& video = program_.video;
  LoadWindowTexts();

  video.ClipCount = 0;
  WidestClipLabel_ = 0;
  ListFontSize_ = os.CurrentScreen().captionHeightPx <= 20 ? 12 : 10;
  listFont_ = {"Arial", static_cast<double>(ListFontSize_), true, false};
  std::string text = ini.ReadIniString(ClipSection(0), "BUTTON");
  // No first entry is what a missing settings file looks like.
  if (text.empty()) {
    os.ShowMessage(ini.ReadIniText(texts::kSettingsNotFound), ini.ReadIniString(kTexts, "Title"));
    os.EndNow();
  }
  ListTextHeight_ = Measure16(Host().MeasureText(listFont_, text).height);
  // The window has ten labels; entries after the tenth are not read.
  while (!text.empty() && video.ClipCount < kClipLabels) {
    AddClipLabel(video.ClipCount, text, ClipSection(video.ClipCount));
    ++video.ClipCount;
    text = ini.ReadIniString(ClipSection(video.ClipCount), "BUTTON");
  }
}

void frmRunAVI::LoadWindowTexts() {
  const Settings& ini = program_.settings;
  const auto text = [&](const char* key) { return ini.ReadIniString(kTexts, key); };
  SetCaption(text("Title"));
  QuitButton().SetCaption(text("QuitButton"));
  QuitButton().SetToolTip(text("QuitButtonToolTip"));
  StopButton().SetToolTip(text("StopButtonToolTip"));
  // Named by their tool tips; these name them where the tool tips are empty.
  StopButton().SetAccessibleName(ini.ReadIniText(texts::kStopButtonName));
  instructionFont_ = {"Times New Roman", 18, true, true};
  Instruction1().SetFont(instructionFont_);
  Instruction1().SetCaption(text("Instruction1"));
  Instruction2().SetFont(instructionFont_);
  Instruction2().SetCaption(text("Instruction2"));
}

// A blank entry's label keeps the list's font and colour but stays hidden
// and unmeasured.
void frmRunAVI::AddClipLabel(int index, const std::string& text, const std::string& section) {
  Label label = ClipLabel(index);
  label.SetFont(listFont_);
  label.SetForeColor(kClipPlain);
  if (text == kBlankEntry) return;
  label.SetCaption(text);
  label.SetVisible(true);
  label.SetToolTip(program_.settings.ReadIniString(section, "TOOLTIP"));
  const int measured = Host().MeasureText(listFont_, text).width;
  Bounds bounds = label.GetBounds();
  bounds.width = Measure16(measured * 7.0 / 100 + measured);
  label.SetBounds(bounds);
  WidestClipLabel_ = std::max<std::int16_t>(WidestClipLabel_, Measure16(bounds.width));
}

void frmRunAVI::ApplyPlayLook(const PlayLook& look, const std::string& playToolTip) {
  GraphicalButton play = PlayButton();
  play.SetPicture(Design(look.showsPause ? kPausePicture : kPlayPicture).picture);
  play.SetDisabledPicture(Design(look.showsPause ? kPauseGrey : kPlayGrey).picture);
  play.SetEnabled(look.playEnabled);
  StopButton().SetEnabled(look.stopEnabled);
  Surface().SetVisible(look.surfaceVisible);
  ShowInstructions(look.instructionsVisible);
  play.SetToolTip(playToolTip);
  play.SetAccessibleName(program_.settings.ReadIniText(look.showsPause ? texts::kPauseButtonName
                                                                       : texts::kPlayButtonName));
  // Shown again for a clip, or uncovered by the instruction under it, the
  // surface is painted before the clip's first frame is drawn into it:
  // painted later, it would wipe that frame until the next one, a tenth of
  // a second or more on.
  if (look.surfaceVisible) Surface().PaintNow();
}

void frmRunAVI::ShowInstructions(bool visible) {
  Instruction1().SetVisible(visible);
  Instruction2().SetVisible(visible);
  Line1().SetVisible(visible);
  Line2().SetVisible(visible);
}

// Playback may name any clip; only the window's own labels can be coloured.
void frmRunAVI::SetClipLabelColor(int index, Color color) {
  if (index >= 0 && index < kClipLabels) ClipLabel(index).SetForeColor(color);
}

void frmRunAVI::ShowPlayingClip(int index) {
  for (int i = 0; i < program_.video.ClipCount && i < kClipLabels; ++i)
    ClipLabel(i).SetSelected(i == index);
}

void frmRunAVI::HideSurface() { Surface().SetVisible(false); }
void frmRunAVI::PlaceSurface(const Bounds& bounds) { Surface().SetBounds(bounds); }
Bounds frmRunAVI::PanelBounds() const { return Host().GetBounds(Find(kPanel)); }
WindowHandle frmRunAVI::SurfaceHandle() const { return Host().ControlHandle(Find(kSurface)); }

void frmRunAVI::SetPollTimer(bool running) {
  if (running)
    PollTimer().Start(Design(kPollTimer).interval);
  else
    PollTimer().Stop();
}

}  // namespace vantor

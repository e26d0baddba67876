#include "video/frm_run_avi.h"

#include <algorithm>

#include "common/numbers.h"
#include "dialogs/frm_about.h"
#include "placement/placement.h"
#include "settings/settings.h"
#include "video/frm_run_avi_design.h"
#include "videosource/frm_nocd.h"

namespace vantor {

using namespace video_controls;

namespace {

constexpr const char* kTexts = "frmRUNAVI Text";

}  // namespace

std::unique_ptr<Form> MakeVideoWindow(Program& program, WindowUse use) {
  return std::make_unique<frmRunAVI>(program, use);
}

frmRunAVI::frmRunAVI(Program& program, WindowUse use)
    : Form(program.platform, RunAviDesign()), program_(program), use_(use) {
  On(kPlay, EventKind::Click, [this](int) { TogglePlayback(program_.Video(), *this); });
  On(kStop, EventKind::Click, [this](int) { StopClip(program_.Video(), *this); });
  On(kQuit, EventKind::Click, [this](int) { Unload(); });
  On(kClip, EventKind::Click,
     [this](int index) { SelectClip(program_.Video(), *this, static_cast<std::int16_t>(index)); });
  OnMouse(kClip, EventKind::MouseMove, [this](int index, int, int) {
    MarkClipLabels(program_.Video(), *this, static_cast<std::int16_t>(index));
  });
  // Anywhere off the clip labels takes the hover mark away.
  const MouseHandler clearMark = [this](int, int, int) { ClearHoverMark(); };
  OnWindow(EventKind::MouseMove, clearMark);
  for (const ControlDecl<Picture>& elsewhere : {kBackground, kPanel, kBar, kSurface})
    OnMouse(elsewhere, EventKind::MouseMove, clearMark);
  On(kBar, EventKind::DblClick, [this](int) { OpenAboutBox(program_, *this); });
  OnTimer(kPollTimer, [this] { PollClipStatus(program_.Video(), *this); });
}

void frmRunAVI::Form_Load() {
  std::int16_t& selected = program_.startup.SelectedClip;
  LoadClipList();
  LayOutVideoWindow();
  // A clip the list does not hold cannot be shown as chosen: the window
  // opens without one, with its instruction, as it does for a picture.
  if (selected >= program_.video.ClipCount || use_ == WindowUse::Picture) selected = -1;
  MarkClipLabels(program_.Video(), *this, selected);
  SetPlayState(program_.Video(), *this, PlayState::Stop);
  // The clip is opened and placed with the window still hidden, so that the
  // window appears as it will stay; it plays once the window is shown and
  // painted, or its first frames would go to a window not yet on the screen.
  program_.video.HoldPlay = true;
  SelectClip(program_.Video(), *this, selected);
  program_.video.HoldPlay = false;
  // A window for a picture stays hidden where it was created, for the
  // picture taker to place.
  if (use_ == WindowUse::Picture) return;
  RestoreFormPosition(program_, *this, "AVIPosition", kApplyPosition | kApplyZOrder, kShowModeless);
  StartLeft = Left();
  StartTop = Top();
  PaintNow();
  PlayHeldClip(program_.Video(), *this);
}

void frmRunAVI::Form_Unload() {
  if (use_ == WindowUse::Picture) return;
  CloseAllClips(program_.Video());
  SaveFormPositionIfMoved(program_, *this, "AVIPosition", StartLeft, StartTop);
  program_.platform.EndNow();
}

void frmRunAVI::LoadClipList() {
  LoadWindowTexts();
  const std::vector<ClipEntry> clips = LoadClips(program_.settings, program_.platform);
  program_.video.ClipCount = static_cast<std::int16_t>(clips.size());
  WidestClipLabel_ = 0;
  ListFontSize_ = program_.platform.CurrentScreen().captionHeightPx <= 20 ? 12 : 10;
  listFont_ = {"Arial", static_cast<double>(ListFontSize_), true, false};
  ListTextHeight_ = Measure16(Host().MeasureText(listFont_, clips.front().text).height);
  for (std::size_t i = 0; i < clips.size(); ++i) AddClipLabel(static_cast<int>(i), clips[i]);
}

void frmRunAVI::LoadWindowTexts() {
  const Settings& ini = program_.settings;
  const auto text = [&](const char* key) { return ini.ReadIniString(kTexts, key); };
  SetCaption(text("Title"));
  Get(kQuit).SetCaption(text("QuitButton"));
  Get(kQuit).SetToolTip(text("QuitButtonToolTip"));
  Get(kStop).SetToolTip(text("StopButtonToolTip"));
  // Named by their tool tips; these name them where the tool tips are empty.
  Get(kStop).SetAccessibleName(ini.ReadIniText(texts::kStopButtonName));
  instructionFont_ = {"Times New Roman", 18, true, true};
  Get(kInstruction1).SetFont(instructionFont_);
  Get(kInstruction1).SetCaption(text("Instruction1"));
  Get(kInstruction2).SetFont(instructionFont_);
  Get(kInstruction2).SetCaption(text("Instruction2"));
}

// A blank entry's label keeps the list's font and colour but stays hidden
// and unmeasured.
void frmRunAVI::AddClipLabel(int index, const ClipEntry& clip) {
  Label label = Get(kClip[index]);
  label.SetFont(listFont_);
  label.SetForeColor(kClipPlain);
  if (clip.Blank()) return;
  label.SetCaption(clip.text);
  label.SetVisible(true);
  label.SetToolTip(clip.toolTip);
  const int measured = Host().MeasureText(listFont_, clip.text).width;
  Bounds bounds = label.GetBounds();
  bounds.width = Measure16(measured * 7.0 / 100 + measured);
  label.SetBounds(bounds);
  WidestClipLabel_ = std::max<std::int16_t>(WidestClipLabel_, Measure16(bounds.width));
}

void frmRunAVI::ApplyPlayLook(const PlayLook& look, const std::string& playToolTip) {
  GraphicalButton play = Get(kPlay);
  play.SetPicture(Design(look.showsPause ? kPausePicture : kPlayPicture).picture);
  play.SetDisabledPicture(Design(look.showsPause ? kPauseGrey : kPlayGrey).picture);
  play.SetEnabled(look.playEnabled);
  Get(kStop).SetEnabled(look.stopEnabled);
  Get(kSurface).SetVisible(look.surfaceVisible);
  ShowInstructions(look.instructionsVisible);
  play.SetToolTip(playToolTip);
  play.SetAccessibleName(program_.settings.ReadIniText(look.showsPause ? texts::kPauseButtonName
                                                                       : texts::kPlayButtonName));
  // Shown again for a clip, or uncovered by the instruction under it, the
  // surface is painted before the clip's first frame is drawn into it:
  // painted later, it would wipe that frame until the next one, a tenth of
  // a second or more on.
  if (look.surfaceVisible) Get(kSurface).PaintNow();
}

void frmRunAVI::ShowInstructions(bool visible) {
  Get(kInstruction1).SetVisible(visible);
  Get(kInstruction2).SetVisible(visible);
  Get(kLine1).SetVisible(visible);
  Get(kLine2).SetVisible(visible);
}

// Playback may name any clip; only the window's own labels can be coloured.
void frmRunAVI::SetClipLabelColor(int index, Color color) {
  if (index >= 0 && index < kClipLabels) Get(kClip[index]).SetForeColor(color);
}

void frmRunAVI::ShowPlayingClip(int index) {
  for (int i = 0; i < program_.video.ClipCount && i < kClipLabels; ++i)
    Get(kClip[i]).SetSelected(i == index);
}

void frmRunAVI::HideSurface() { Get(kSurface).SetVisible(false); }
void frmRunAVI::PlaceSurface(const Bounds& bounds) { Get(kSurface).SetBounds(bounds); }
Bounds frmRunAVI::PanelBounds() const { return Host().GetBounds(Find(kPanel)); }
WindowHandle frmRunAVI::SurfaceHandle() const { return Host().ControlHandle(Find(kSurface)); }

void frmRunAVI::SetPollTimer(bool running) {
  if (running)
    Get(kPollTimer).Start(Design(kPollTimer).interval);
  else
    Get(kPollTimer).Stop();
}

void frmRunAVI::AskForClipFolder(const std::string& folderPicked) {
  ClipFolderDialogs(program_).AskForClipFolder(folderPicked);
}
void frmRunAVI::PickClipFolder() { ClipFolderDialogs(program_).PickClipFolder(); }

}  // namespace vantor

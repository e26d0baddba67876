#include "video/frm_run_avi_design.h"

#include <string>

namespace vantor {
namespace {

using namespace video_controls;

constexpr Color kPanelWhite = Rgb(255, 255, 255);

// See-through text on the panel, hidden until the window shows it.
ControlSpec PanelText(const ControlDecl<Label>& label, Bounds bounds) {
  ControlSpec c = DesignRow(label, ControlKind::Label, bounds, kPanel.name);
  c.transparent = true;
  c.visible = false;
  return c;
}

}  // namespace

// Client area 630 x 429 pixels (9450 x 6435 twips at 15 twips per pixel):
// the 630 x 385 panel over the 44-pixel button bar. Earlier rows lie above
// later ones.
FormSpec RunAviDesign() {
  FormSpec design = FormDesign("frmRunAVI", 9450, 6435, BorderStyle::FixedSingle);

  auto& c = design.controls;
  ControlSpec bar = kit::Bar(kBar, {0, 385, 630, 44});
  bar.picture = "video_bar";
  c.push_back(bar);
  ControlSpec quit = DesignRow(kQuit, ControlKind::Button, {6, 10, 84, 25}, kBar.name);
  // No cancel role: Escape on the video window does nothing, so a stray key
  // never ends the clips the user is watching.
  quit.caption = "&Quit";
  c.push_back(quit);
  c.push_back(kit::PictureButton(kPlay, {561, 6, 32, 32}, kBar, "video_play"));
  c.push_back(kit::PictureButton(kStop, {593, 6, 32, 32}, kBar, "video_stop"));

  ControlSpec panel = DesignRow(kPanel, ControlKind::PictureBox, {0, 0, 630, 385});
  panel.backColor = kPanelWhite;
  c.push_back(panel);
  ControlSpec surface =
      DesignRow(kSurface, ControlKind::PictureBox, {230, 72, 320, 240}, kPanel.name);
  surface.visible = false;
  surface.role = AccessibleRole::Animation;
  c.push_back(surface);
  for (int i = 0; i < kClipLabels; ++i) {
    ControlSpec clip = PanelText(kClip[i], {10, 38 + 28 * i, 150, 23});
    clip.role = AccessibleRole::ListItem;
    clip.tabStop = true;
    c.push_back(clip);
  }
  c.push_back(PanelText(kInstruction1, {200, 161, 400, 28}));
  c.push_back(PanelText(kInstruction2, {200, 203, 400, 28}));
  for (const ControlDecl<Control>& line : {kLine1, kLine2}) {
    ControlSpec row = DesignRow(line, ControlKind::Line, {}, kPanel.name);
    row.visible = false;
    c.push_back(row);
  }
  // The background lies under everything else on the panel.
  ControlSpec background =
      DesignRow(kBackground, ControlKind::Image, {0, 30, 630, 355}, kPanel.name);
  background.picture = "video_background";
  c.push_back(background);

  ControlSpec timer = DesignRow(kPollTimer, ControlKind::Timer, {});
  timer.interval = 500;
  timer.enabled = false;
  c.push_back(timer);
  c.push_back(PictureHolder(kPlayPicture, "video_play", {0, 0, 26, 26}));
  c.push_back(PictureHolder(kPlayGrey, "video_play_grey", {0, 0, 26, 26}));
  c.push_back(PictureHolder(kPausePicture, "video_pause", {0, 0, 26, 26}));
  c.push_back(PictureHolder(kPauseGrey, "video_pause_grey", {0, 0, 26, 26}));
  c.push_back(PictureHolder(kStopPicture, "video_stop", {0, 0, 26, 26}));
  c.push_back(PictureHolder(kStopGrey, "video_stop_grey", {0, 0, 26, 26}));
  // Down the list, then along the bar.
  design.tabOrder = {kClip.name, kQuit.name, kPlay.name, kStop.name};
  return design;
}

}  // namespace vantor

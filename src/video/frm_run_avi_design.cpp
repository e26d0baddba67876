#include "video/frm_run_avi_design.h"

#include <string>

#include "platform/form.h"

namespace vantor {
namespace {

constexpr Color kButtonGrey = Rgb(192, 192, 192);
constexpr Color kBarGold = Rgb(255, 204, 0);
constexpr Color kPanelWhite = Rgb(255, 255, 255);

ControlSpec PlayerButton(const std::string& name, int left, const std::string& picture) {
  ControlSpec c = DesignRow(name, ControlKind::GraphicalButton, {left, 6, 32, 32}, "Picture2");
  c.backColor = kButtonGrey;
  c.picture = picture;
  c.disabledPicture = picture + "_grey";
  return c;
}

// See-through text on the panel, hidden until the window shows it.
ControlSpec PanelText(const std::string& name, Bounds bounds, int index = -1) {
  ControlSpec c = DesignRow(name, ControlKind::Label, bounds, "Picture1", index);
  c.transparent = true;
  c.visible = false;
  return c;
}

}  // namespace

// Client area 630 x 429 pixels (9450 x 6435 twips at 15 twips per pixel):
// the 630 x 385 panel over the 44-pixel button bar. Earlier rows lie above
// later ones.
FormSpec RunAviDesign() {
  FormSpec design;
  design.name = "frmRunAVI";
  design.clientWidthTwips = 9450;
  design.clientHeightTwips = 6435;
  design.border = BorderStyle::FixedSingle;

  auto& c = design.controls;
  ControlSpec bar = DesignRow("Picture2", ControlKind::PictureBox, {0, 385, 630, 44});
  bar.backColor = kBarGold;
  bar.picture = "video_bar";
  c.push_back(bar);
  ControlSpec quit = DesignRow("btn_quit", ControlKind::Button, {6, 10, 84, 25}, "Picture2");
  // No cancel role: Escape on the video window does nothing, so a stray key
  // never ends the clips the user is watching.
  quit.caption = "&Quit";
  c.push_back(quit);
  c.push_back(PlayerButton("btn_Play", 561, "video_play"));
  c.push_back(PlayerButton("btn_Stop", 593, "video_stop"));

  ControlSpec panel = DesignRow("Picture1", ControlKind::PictureBox, {0, 0, 630, 385});
  panel.backColor = kPanelWhite;
  c.push_back(panel);
  ControlSpec surface =
      DesignRow("Picture3", ControlKind::PictureBox, {230, 72, 320, 240}, "Picture1");
  surface.visible = false;
  surface.role = AccessibleRole::Animation;
  c.push_back(surface);
  for (int i = 0; i < kClipLabels; ++i) {
    ControlSpec clip = PanelText("lbl_RunAVI", {10, 38 + 28 * i, 150, 23}, i);
    clip.role = AccessibleRole::ListItem;
    clip.tabStop = true;
    c.push_back(clip);
  }
  c.push_back(PanelText("lbl_Instruction1", {200, 161, 400, 28}));
  c.push_back(PanelText("lbl_Instruction2", {200, 203, 400, 28}));
  for (const char* line : {"Line1", "Line2"}) {
    ControlSpec row = DesignRow(line, ControlKind::Line, {}, "Picture1");
    row.visible = false;
    c.push_back(row);
  }
  // The background lies under everything else on the panel.
  ControlSpec background = DesignRow("Image1", ControlKind::Image, {0, 30, 630, 355}, "Picture1");
  background.picture = "video_background";
  c.push_back(background);

  ControlSpec timer = DesignRow("vidTimer", ControlKind::Timer, {});
  timer.interval = 500;
  timer.enabled = false;
  c.push_back(timer);
  c.push_back(PictureHolder("pic_Play", "video_play", {0, 0, 26, 26}));
  c.push_back(PictureHolder("picg_Play", "video_play_grey", {0, 0, 26, 26}));
  c.push_back(PictureHolder("pic_Pause", "video_pause", {0, 0, 26, 26}));
  c.push_back(PictureHolder("picg_Pause", "video_pause_grey", {0, 0, 26, 26}));
  c.push_back(PictureHolder("pic_Stop", "video_stop", {0, 0, 26, 26}));
  c.push_back(PictureHolder("picg_Stop", "video_stop_grey", {0, 0, 26, 26}));
  // Down the list, then along the bar.
  design.tabOrder = {"lbl_RunAVI", "btn_quit", "btn_Play", "btn_Stop"};
  AssignControlIds(design, {{"btn_Play", 501},
                            {"btn_Stop", 502},
                            {"btn_quit", 503},
                            {"lbl_RunAVI", 510},
                            {"Picture1", 520},
                            {"Picture2", 521},
                            {"Picture3", 522},
                            {"Image1", 523},
                            {"lbl_Instruction1", 530},
                            {"lbl_Instruction2", 531},
                            {"Line1", 532},
                            {"Line2", 533}});
  return design;
}

}  // namespace vantor

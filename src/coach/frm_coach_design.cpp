#include "coach/frm_coach_design.h"

#include <string>

namespace vantor {
namespace {

constexpr Color kButtonGrey = Rgb(192, 192, 192);
constexpr Color kBarGold = Rgb(255, 204, 0);
constexpr Color kStepNumberColor = Rgb(255, 192, 128);

ControlSpec Make(const std::string& name, ControlKind kind, const std::string& container,
                 Bounds bounds, int index = -1) {
  ControlSpec c;
  c.name = name;
  c.index = index;
  c.kind = kind;
  c.container = container;
  c.bounds = bounds;
  return c;
}

ControlSpec BarButton(const std::string& name, int left) {
  ControlSpec c = Make(name, ControlKind::Button, "Picture2", {left, 6, 84, 23});
  c.backColor = kButtonGrey;
  return c;
}

// A picture that is never shown: it only holds a picture for others to take.
ControlSpec Holder(const std::string& name, const std::string& picture) {
  ControlSpec c = Make(name, ControlKind::Image, "", {0, 0, 14, 14});
  c.picture = picture;
  c.visible = false;
  return c;
}

}  // namespace

// Client area 425 x 437 pixels (6375 x 6555 twips at 15 twips per pixel):
// the 425 x 410 panel with the button bar overlapping its bottom 8 pixels.
// Earlier rows lie above later ones.
FormSpec CoachDesign() {
  FormSpec design;
  design.name = "frmCoach";
  design.clientWidthTwips = 6375;
  design.clientHeightTwips = 6555;
  design.border = BorderStyle::FixedSingle;

  auto& c = design.controls;
  ControlSpec bar = Make("Picture2", ControlKind::PictureBox, "", {0, 402, 425, 35});
  bar.backColor = kBarGold;
  c.push_back(bar);
  ControlSpec cancel = BarButton("btn_Cancel", 335);
  cancel.isCancel = true;
  c.push_back(cancel);
  c.push_back(BarButton("btn_Next", 233));
  c.push_back(BarButton("btn_Back", 149));
  ControlSpec help = Make("btn_Help", ControlKind::GraphicalButton, "Picture2", {6, 6, 22, 23});
  help.picture = "help_button";
  c.push_back(help);

  ControlSpec panel = Make("Picture1", ControlKind::PictureBox, "", {0, 0, 425, 410});
  panel.picture = "coach_panel";
  c.push_back(panel);
  ControlSpec doIt = Make("btn_DoIt", ControlKind::Button, "Picture1", {335, 374, 84, 23});
  doIt.backColor = kButtonGrey;
  c.push_back(doIt);
  ControlSpec timer = Make("selectCheck", ControlKind::Timer, "Picture1", {});
  timer.interval = 200;
  timer.enabled = false;
  c.push_back(timer);
  c.push_back(Make("MediaView", ControlKind::TopicPane, "Picture1", {125, 0, 300, 370}));

  for (int i = 0; i < 6; ++i) {
    ControlSpec name =
        Make("btn_StepText", ControlKind::Label, "Picture1", {8, 40 + 60 * i, 115, 40}, i);
    name.font = {"Tahoma", 12, true, false};
    name.foreColor = kStepPlain;
    name.visible = i != 0;
    c.push_back(name);
  }
  for (int i = 0; i < 6; ++i) {
    ControlSpec number =
        Make("btn_StepNum", ControlKind::Label, "Picture1", {8, 10 + 60 * i, 30, 37}, i);
    number.caption = std::to_string(i);
    number.font = {"Tahoma", 24, true, false};
    number.foreColor = kStepNumberColor;
    number.visible = i != 0;
    c.push_back(number);
  }
  ControlSpec dontShow = Make("lbl_DontShow", ControlKind::Label, "Picture1", {158, 379, 160, 16});
  dontShow.font = {"Arial", 9, false, false};
  c.push_back(dontShow);
  for (int i = 0; i < 9; ++i) {
    ControlSpec caption =
        Make("lbl_Option", ControlKind::Label, "Picture1", {149, 260 + 20 * i, 266, 16}, i);
    caption.font = {"Arial", 10, false, false};
    caption.foreColor = Rgb(0, 0, 0);
    caption.visible = false;
    c.push_back(caption);
  }
  for (int i = 0; i < 9; ++i) {
    ControlSpec button =
        Make("btn_Option", ControlKind::Image, "Picture1", {131, 260 + 20 * i, 12, 12}, i);
    button.picture = "ico_opt_off";
    button.visible = false;
    c.push_back(button);
  }
  ControlSpec box = Make("chk_DontShow", ControlKind::Image, "Picture1", {137, 379, 14, 14});
  box.picture = "ico_chk_off";
  c.push_back(box);
  c.push_back(Make("img_ClearButtons", ControlKind::Image, "Picture1", {95, 0, 30, 410}));

  c.push_back(Holder("ico_chk_off", "ico_chk_off"));
  c.push_back(Holder("ico_chk_on", "ico_chk_on"));
  c.push_back(Holder("ico_opt_off", "ico_opt_off"));
  c.push_back(Holder("ico_opt_on", "ico_opt_on"));
  return design;
}

}  // namespace vantor

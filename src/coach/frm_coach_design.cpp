#include "coach/frm_coach_design.h"

#include <string>

#include "coach/coach_geometry.h"
#include "platform/form.h"

namespace vantor {
namespace {

constexpr Color kButtonGrey = Rgb(192, 192, 192);
constexpr Color kBarGold = Rgb(255, 204, 0);
constexpr Color kStepNumberColor = Rgb(255, 192, 128);

ControlSpec BarButton(const std::string& name, int left) {
  ControlSpec c = DesignRow(name, ControlKind::Button, {left, 6, 84, 23}, "Picture2");
  c.backColor = kButtonGrey;
  return c;
}

}  // namespace

// Client area 425 x 437 pixels (6375 x 6555 twips at 15 twips per pixel):
// the 425 x 410 panel with a 35-pixel button bar overlapping its bottom 8
// pixels. Earlier rows lie above later ones.
FormSpec CoachDesign() {
  FormSpec design;
  design.name = "frmCoach";
  design.clientWidthTwips = 6375;
  design.clientHeightTwips = 6555;
  design.border = BorderStyle::FixedSingle;

  auto& c = design.controls;
  ControlSpec bar = DesignRow("Picture2", ControlKind::PictureBox, {0, kBarTop, kPanelWidth, 35});
  bar.backColor = kBarGold;
  c.push_back(bar);
  // The bar's buttons, left to right.
  ControlSpec help =
      DesignRow("btn_Help", ControlKind::GraphicalButton, {6, 6, 22, 23}, "Picture2");
  help.picture = "help_button";
  c.push_back(help);
  c.push_back(BarButton("btn_Back", 149));
  c.push_back(BarButton("btn_Next", 233));
  ControlSpec cancel = BarButton("btn_Cancel", 335);
  cancel.isCancel = true;
  c.push_back(cancel);

  ControlSpec panel =
      DesignRow("Picture1", ControlKind::PictureBox, {0, 0, kPanelWidth, kPanelHeight});
  panel.picture = "coach_panel";
  c.push_back(panel);
  ControlSpec doIt = DesignRow("btn_DoIt", ControlKind::Button, {335, 374, 84, 23}, "Picture1");
  doIt.backColor = kButtonGrey;
  // Shown by the pages that have an action, so made only for the first one.
  doIt.visible = false;
  c.push_back(doIt);
  ControlSpec timer = DesignRow("selectCheck", ControlKind::Timer, {}, "Picture1");
  timer.interval = kSelectionPollMs;
  timer.enabled = false;
  c.push_back(timer);
  ControlSpec pane = DesignRow("MediaView", ControlKind::TopicPane, kPaneBounds, "Picture1");
  pane.tabStop = true;
  c.push_back(pane);

  for (int i = 0; i < kMaxSteps; ++i) {
    ControlSpec name =
        DesignRow("btn_StepText", ControlKind::Label, {8, 40 + 60 * i, 115, 40}, "Picture1", i);
    name.font = {"Tahoma", 12, true, false};
    name.foreColor = kStepPlain;
    name.visible = i != 0;
    name.transparent = true;
    name.role = AccessibleRole::ListItem;
    name.tabStop = true;
    c.push_back(name);
  }
  for (int i = 0; i < kMaxSteps; ++i) {
    ControlSpec number =
        DesignRow("btn_StepNum", ControlKind::Label, {8, 10 + 60 * i, 30, 37}, "Picture1", i);
    number.caption = std::to_string(i);
    number.font = {"Tahoma", 24, true, false};
    number.foreColor = kStepNumberColor;
    number.visible = i != 0;
    number.transparent = true;
    c.push_back(number);
  }
  ControlSpec dontShow = DesignRow("lbl_DontShow", ControlKind::Label,
                                   {kBoxLeft + kBoxSize * 3 / 2, kBoxTop, 160, 16}, "Picture1");
  dontShow.font = {"Arial", 9, false, false};
  dontShow.transparent = true;
  c.push_back(dontShow);
  // Option captions start one and a half pictures right of their picture.
  constexpr int kPicture = 12;
  constexpr int kCaptionLeft = kOptionLeft + kPicture * 3 / 2;
  for (int i = 0; i < kMaxOptionButtons; ++i) {
    ControlSpec caption =
        DesignRow("lbl_Option", ControlKind::Label,
                  {kCaptionLeft, 260 + 20 * i, kOptionRight - kCaptionLeft, 16}, "Picture1", i);
    caption.font = {"Arial", 10, false, false};
    caption.foreColor = Rgb(0, 0, 0);
    caption.visible = false;
    caption.transparent = true;
    c.push_back(caption);
  }
  for (int i = 0; i < kMaxOptionButtons; ++i) {
    ControlSpec button = DesignRow("btn_Option", ControlKind::Image,
                                   {kOptionLeft, 260 + 20 * i, kPicture, kPicture}, "Picture1", i);
    button.picture = "ico_opt_off";
    button.visible = false;
    button.role = AccessibleRole::RadioButton;
    button.labelledBy = "lbl_Option";
    button.tabStop = true;
    c.push_back(button);
  }
  ControlSpec box = DesignRow("chk_DontShow", ControlKind::Image,
                              {kBoxLeft, kBoxTop, kBoxSize, kBoxSize}, "Picture1");
  box.picture = "ico_chk_off";
  box.role = AccessibleRole::CheckBox;
  box.labelledBy = "lbl_DontShow";
  box.tabStop = true;
  c.push_back(box);
  c.push_back(DesignRow("img_ClearButtons", ControlKind::Image,
                        {kStripLeft, 0, kPaneBounds.left - kStripLeft, kPanelHeight}, "Picture1"));

  c.push_back(PictureHolder("ico_chk_off", "ico_chk_off", {0, 0, 14, 14}));
  c.push_back(PictureHolder("ico_chk_on", "ico_chk_on", {0, 0, 14, 14}));
  c.push_back(PictureHolder("ico_opt_off", "ico_opt_off", {0, 0, 14, 14}));
  c.push_back(PictureHolder("ico_opt_on", "ico_opt_on", {0, 0, 14, 14}));
  // The panel's controls down the steps and the pane, then the bar's from
  // left to right.
  design.tabOrder = {"btn_StepText", "MediaView", "btn_Option", "chk_DontShow", "btn_DoIt",
                     "btn_Help",     "btn_Back",  "btn_Next",   "btn_Cancel"};
  AssignControlIds(design, {{"btn_Help", 201},
                            {"btn_Back", 202},
                            {"btn_Next", 203},
                            {"btn_Cancel", 204},
                            {"btn_DoIt", 205},
                            {"chk_DontShow", 206},
                            {"lbl_DontShow", 207},
                            {"Picture2", 208},
                            {"Picture1", 209},
                            {"MediaView", 210},
                            {"img_ClearButtons", 211},
                            {"btn_Option", 220},
                            {"lbl_Option", 230},
                            {"btn_StepText", 240},
                            {"btn_StepNum", 250}});
  return design;
}

}  // namespace vantor

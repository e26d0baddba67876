#include "coach/frm_coach_design.h"

#include <string>

namespace vantor {

using namespace coach_controls;

constexpr Color kStepNumberColor = Rgb(255, 192, 128);

// Client area 425 x 437 pixels (6375 x 6555 twips at 15 twips per pixel):
// the 425 x 410 panel with a 35-pixel button bar overlapping its bottom 8
// pixels. Earlier rows lie above later ones.
FormSpec CoachDesign() {
  FormSpec design = FormDesign("frmCoach", 6375, 6555, BorderStyle::FixedSingle);

  auto& c = design.controls;
  c.push_back(kit::Bar(kBar, {0, kBarTop, kPanelWidth, 35}));
  // The bar's buttons, left to right.
  ControlSpec help = DesignRow(kHelp, ControlKind::GraphicalButton, {6, 6, 22, 23}, kBar.name);
  help.picture = "help_button";
  c.push_back(help);
  const auto barButton = [](const ControlDecl<Button>& button, int left) {
    return kit::GreyButton(button, ControlKind::Button, {left, 6, 84, 23}, kBar);
  };
  c.push_back(barButton(kBack, 149));
  c.push_back(barButton(kNext, 233));
  ControlSpec cancel = barButton(kCancel, 335);
  cancel.isCancel = true;
  c.push_back(cancel);

  ControlSpec panel = DesignRow(kPanel, ControlKind::PictureBox, {0, 0, kPanelWidth, kPanelHeight});
  panel.picture = "coach_panel";
  c.push_back(panel);
  ControlSpec doIt = kit::GreyButton(kDoIt, ControlKind::Button, {335, 374, 84, 23}, kPanel);
  // Shown by the pages that have an action, so made only for the first one.
  doIt.visible = false;
  c.push_back(doIt);
  ControlSpec timer = DesignRow(kSelectionTimer, ControlKind::Timer, {}, kPanel.name);
  timer.interval = kSelectionPollMs;
  timer.enabled = false;
  c.push_back(timer);
  ControlSpec pane = DesignRow(kPane, ControlKind::TopicPane, kPaneBounds, kPanel.name);
  pane.tabStop = true;
  c.push_back(pane);

  for (int i = 0; i < kMaxSteps; ++i) {
    ControlSpec name =
        DesignRow(kStepText[i], ControlKind::Label, {8, 40 + 60 * i, 115, 40}, kPanel.name);
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
        DesignRow(kStepNum[i], ControlKind::Label, {8, 10 + 60 * i, 30, 37}, kPanel.name);
    number.caption = std::to_string(i);
    number.font = {"Tahoma", 24, true, false};
    number.foreColor = kStepNumberColor;
    number.visible = i != 0;
    number.transparent = true;
    c.push_back(number);
  }
  ControlSpec dontShow = DesignRow(kDontShowLabel, ControlKind::Label,
                                   {kBoxLeft + kBoxSize * 3 / 2, kBoxTop, 160, 16}, kPanel.name);
  dontShow.font = {"Arial", 9, false, false};
  dontShow.transparent = true;
  c.push_back(dontShow);
  // Option captions start one and a half pictures right of their picture.
  constexpr int kPicture = 12;
  constexpr int kCaptionLeft = kOptionLeft + kPicture * 3 / 2;
  for (int i = 0; i < kMaxOptionButtons; ++i) {
    ControlSpec caption =
        DesignRow(kOptionLabel[i], ControlKind::Label,
                  {kCaptionLeft, 260 + 20 * i, kOptionRight - kCaptionLeft, 16}, kPanel.name);
    caption.font = {"Arial", 10, false, false};
    caption.foreColor = Rgb(0, 0, 0);
    caption.visible = false;
    caption.transparent = true;
    c.push_back(caption);
  }
  for (int i = 0; i < kMaxOptionButtons; ++i) {
    ControlSpec button = DesignRow(kOptionImage[i], ControlKind::Image,
                                   {kOptionLeft, 260 + 20 * i, kPicture, kPicture}, kPanel.name);
    button.picture = kOptionOff.name;
    button.visible = false;
    button.role = AccessibleRole::RadioButton;
    button.labelledBy = kOptionLabel.name;
    button.tabStop = true;
    c.push_back(button);
  }
  ControlSpec box = DesignRow(kDontShowBox, ControlKind::Image,
                              {kBoxLeft, kBoxTop, kBoxSize, kBoxSize}, kPanel.name);
  box.picture = kBoxOff.name;
  box.role = AccessibleRole::CheckBox;
  box.labelledBy = kDontShowLabel.name;
  box.tabStop = true;
  c.push_back(box);
  c.push_back(DesignRow(kClearStrip, ControlKind::Image,
                        {kStripLeft, 0, kPaneBounds.left - kStripLeft, kPanelHeight}, kPanel.name));

  // Each holder's picture is named like the holder.
  for (const ControlDecl<Picture>& holder : {kBoxOff, kBoxOn, kOptionOff, kOptionOn})
    c.push_back(PictureHolder(holder, holder.name, {0, 0, 14, 14}));
  // The panel's controls down the steps and the pane, then the bar's from
  // left to right.
  design.tabOrder = {kStepText.name, kPane.name, kOptionImage.name, kDontShowBox.name, kDoIt.name,
                     kHelp.name,     kBack.name, kNext.name,        kCancel.name};
  return design;
}

}  // namespace vantor

#include "dialogs/frm_scanning.h"

#include <string>

#include "placement/placement.h"

namespace vantor {
namespace {

std::string FrameHolder(int frame) { return "ico_scan" + std::to_string(frame); }

// Client area 4140 x 2175 twips as designed (276 x 145 pixels).
FormSpec ScanningDesign() {
  FormSpec design;
  design.name = "frmScanning";
  design.clientWidthTwips = 4140;
  design.clientHeightTwips = 2175;
  design.border = BorderStyle::FixedDialog;

  const Bounds picture{24, 44, 32, 32};
  ControlSpec message = DesignRow("lbl_Message", ControlKind::Label, {72, 44, 188, 64});
  message.id = kScanningMessageId;
  ControlSpec image = DesignRow("Image1", ControlKind::Image, picture);
  // The animation shows the scan going on; its message names it.
  image.role = AccessibleRole::ProgressBar;
  image.labelledBy = "lbl_Message";
  ControlSpec timer = DesignRow("CheckScanProgress", ControlKind::Timer, {});
  timer.interval = kScanTickMs;
  timer.enabled = false;

  design.controls = {message, image, timer};
  for (int frame = 0; frame < kScanFrames; ++frame) {
    ControlSpec holder = DesignRow(FrameHolder(frame), ControlKind::Image, picture);
    holder.picture = FrameHolder(frame);
    holder.visible = false;
    design.controls.push_back(holder);
  }
  return design;
}

}  // namespace

frmScanning::frmScanning(Program& program)
    : Form(program.platform, ScanningDesign()), program_(program) {
  On("CheckScanProgress", EventKind::Timer, [this](int) { CheckScanProgress_Timer(); });
}

void frmScanning::Form_Load() {
  const Settings& ini = program_.settings;
  SetCaption(ini.ReadIniString("frmScanning Text", "Title"));
  Message().SetCaption(ini.ReadIniString("frmScanning Text", "PreviewScanMessage"));
  ProgressTimer().Start(kScanTickMs);
}

void frmScanning::CheckScanProgress_Timer() {
  // A scan whose end cannot be read would keep the window up for ever:
  // an unreadable answer closes it like a finished scan.
  if (program_.HelpObject.PreviewDone().value_or(true)) {
    ProgressTimer().Stop();
    Unload();
    return;
  }
  std::int16_t& frame = program_.scan.ScanFrame;
  // A frame number from outside the animation starts it afresh.
  if (frame < 0 || frame >= kScanFrames) frame = 0;
  Frame().SetPicture(DesignPicture(FrameHolder(frame)));
  frame = static_cast<std::int16_t>((frame + 1) % kScanFrames);
}

void ShowScanProgress(Program& program) {
  frmScanning scanning(program);
  scanning.Load();
  CenterForm(program, scanning, kApplyZOrder, kShowModal);
}

}  // namespace vantor

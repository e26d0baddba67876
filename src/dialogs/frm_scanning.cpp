#include "dialogs/frm_scanning.h"

#include <string>

#include "placement/placement.h"

namespace vantor {
namespace {

using namespace scanning_controls;

// Client area 4140 x 2175 twips as designed (276 x 145 pixels).
FormSpec ScanningDesign() {
  FormSpec design = FormDesign("frmScanning", 4140, 2175);
  const Bounds picture{24, 44, 32, 32};
  ControlSpec image = DesignRow(kFrame, ControlKind::Image, picture);
  // The animation shows the scan going on; its message names it.
  image.role = AccessibleRole::ProgressBar;
  image.labelledBy = kMessage.name;
  ControlSpec timer = DesignRow(kProgressTimer, ControlKind::Timer, {});
  timer.interval = kScanTickMs;
  timer.enabled = false;

  design.controls = {DesignRow(kMessage, ControlKind::Label, {72, 44, 188, 64}), image, timer};
  // Each holder's picture is named like the holder.
  for (const ControlDecl<Picture>& holder : kFrameHolders)
    design.controls.push_back(PictureHolder(holder, holder.name, picture));
  return design;
}

}  // namespace

frmScanning::frmScanning(Program& program) : Dialog(program, ScanningDesign(), nullptr) {
  OnTimer(kProgressTimer, [this] { CheckScanProgress_Timer(); });
}

void frmScanning::Form_Load() {
  SetCaption(Text("Title"));
  Get(kMessage).SetCaption(Text("PreviewScanMessage"));
  Get(kProgressTimer).Start(kScanTickMs);
}

void frmScanning::CheckScanProgress_Timer() {
  // A scan whose end cannot be read would keep the window up for ever:
  // an unreadable answer closes it like a finished scan.
  if (program_.HelpObject.PreviewDone().value_or(true)) {
    Get(kProgressTimer).Stop();
    Unload();
    return;
  }
  std::int16_t& frame = program_.scan.ScanFrame;
  // A frame number from outside the animation starts it afresh.
  if (frame < 0 || frame >= kScanFrames) frame = 0;
  Get(kFrame).SetPicture(Design(kFrameHolders[frame]).picture);
  frame = static_cast<std::int16_t>((frame + 1) % kScanFrames);
}

void ShowScanProgress(Program& program) {
  frmScanning scanning(program);
  scanning.Load();
  CenterForm(program, scanning, kApplyZOrder, kShowModal);
}

}  // namespace vantor

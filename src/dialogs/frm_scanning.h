// The scan progress window: shown modally while the scanning application
// makes its preview scan, animating a small scanner until the scan is done.
#pragma once

#include "dialogs/dialog.h"

namespace vantor {

constexpr int kScanTickMs = 200;
constexpr int kScanFrames = 8;

namespace scanning_controls {
// The message's ID is how a test finds the window.
inline constexpr ControlDecl<Label> kMessage{"lbl_Message", 601};
inline constexpr ControlDecl<Picture> kFrame{"Image1"};
inline constexpr ControlDecl<Timer> kProgressTimer{"CheckScanProgress"};
// Hidden holders of the animation's frames, in order.
inline constexpr ControlDecl<Picture> kFrameHolders[kScanFrames] = {
    {"ico_scan0"}, {"ico_scan1"}, {"ico_scan2"}, {"ico_scan3"},
    {"ico_scan4"}, {"ico_scan5"}, {"ico_scan6"}, {"ico_scan7"}};
}  // namespace scanning_controls

// Waits, modally and centred, until the scanning application reports the
// preview done.
void ShowScanProgress(Program& program);

class frmScanning : public Dialog {
 public:
  explicit frmScanning(Program& program);

 private:
  void Form_Load() override;
  void CheckScanProgress_Timer();
};

}  // namespace vantor

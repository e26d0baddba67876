// The scan progress window: shown modally while the scanning application
// makes its preview scan, animating a small scanner until the scan is done.
#pragma once

#include "platform/form.h"
#include "program.h"

namespace vantor {

constexpr int kScanFrames = 8;
// The message's control ID, by which a test finds the window.
constexpr int kScanningMessageId = 601;
constexpr int kScanTickMs = 200;

// Waits, modally and centred, until the scanning application reports the
// preview done.
void ShowScanProgress(Program& program);

class frmScanning : public Form {
 public:
  explicit frmScanning(Program& program);

 private:
  Label Message() { return Get<Label>("lbl_Message"); }
  Timer ProgressTimer() { return Get<Timer>("CheckScanProgress"); }
  Picture Frame() { return Get<Picture>("Image1"); }

  void Form_Load() override;
  void CheckScanProgress_Timer();

  Program& program_;
};

}  // namespace vantor

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

class frmScanning : public Form {
 public:
  explicit frmScanning(Program& program);

 private:
  void Form_Load() override;
  void CheckScanProgress_Timer();

  Program& program_;
};

}  // namespace vantor

// The about box: the program's version and copyright, opened by a
// double-click on the button bar of the coach or the video window, and
// titled like the window it was opened from.
#pragma once

#include <string>

#include "platform/form.h"
#include "platform/platform.h"
#include "program.h"

namespace vantor {

// "Vantor.exe  1.1.120e": the version numbers as plain decimals.
std::string AboutVersionLine(const VersionInfo& version);

class frmAbout : public Form {
 public:
  explicit frmAbout(Program& program);

 private:
  Label VersionLabel() { return Get<Label>("lbl_Version"); }
  Label CopyrightLabel() { return Get<Label>("lbl_Copyright"); }
  Button OkButton() { return Get<Button>("btn_OK"); }

  void Form_Load() override;
  void btn_OK_Click();

  Program& program_;
};

// Records `opener` as the window the box was opened from, then shows the
// box centred and modal; returns once it has been closed.
void OpenAboutBox(Program& program, Form& opener);

}  // namespace vantor

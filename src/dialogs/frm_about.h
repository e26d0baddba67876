// The about box: the program's version and copyright, opened by a
// double-click on the button bar of the coach or the video window, and
// titled like the window it was opened from.
#pragma once

#include <string>

#include "dialogs/dialog.h"

namespace vantor {

// "Vantor.exe  1.1.120e": the version numbers as plain decimals.
std::string AboutVersionLine(const VersionInfo& version);

namespace about_controls {
inline constexpr ControlDecl<Picture> kPicture{"Image1"};
inline constexpr ControlDecl<Label> kVersion{"lbl_Version"};
inline constexpr ControlDecl<Label> kCopyright{"lbl_Copyright"};
inline constexpr ControlDecl<Button> kOk{"btn_OK"};
}  // namespace about_controls

class frmAbout : public Dialog {
 public:
  explicit frmAbout(Program& program);

 private:
  void Form_Load() override;
};

// Records `opener` as the window the box was opened from, then shows the
// box centred and modal; returns once it has been closed.
void OpenAboutBox(Program& program, Form& opener);

}  // namespace vantor

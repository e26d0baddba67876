// vantor-check --pictures on Windows: each window is shown for a moment at
// the top left of the work area without being activated (its caption drawn
// as the user sees it, active), copied from the screen at its whole size,
// frame and caption included, hidden again and written as a PNG file.
//
// Measured under Wine: a window placed outside the visible desktop has no
// pixels to copy (Wine keeps only the part of a window that is on a
// screen), and PrintWindow draws the window's background without its
// controls; a window on the screen copies exactly. So the window is shown
// on the screen, in front, where nothing covers it.
#pragma once

#include <string>

#include "check/window_pictures.h"

namespace vantor::win32 {

class Win32WindowCamera final : public check::WindowCamera {
 public:
  // Pictures go into `folder` (which must exist) as <name>.png.
  explicit Win32WindowCamera(std::string folder) : folder_(std::move(folder)) {}
  bool Take(Form& form, const std::string& name) override;

 private:
  std::string folder_;
};

}  // namespace vantor::win32

// A video window over a short clip list on the simulated desktop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "coach_fixture.h"  // IniText
#include "video/frm_run_avi.h"

namespace vantor::testing {

// The window's texts and one clip entry per button text ("AVI0", "AVI1",
// ...), each with a tool tip and a clip file of its own. A single blank is
// written in quotes, as the settings file needs it.
inline IniText ClipList(const std::vector<std::string>& buttons) {
  IniText ini;
  ini.Set("frmRUNAVI Text", "Title", "How-to Videos")
      .Set("frmRUNAVI Text", "QuitButton", "Quit")
      .Set("frmRUNAVI Text", "QuitButtonToolTip", "Close the videos")
      .Set("frmRUNAVI Text", "StopButtonToolTip", "Stop it")
      .Set("frmRUNAVI Text", "StartButtonToolTip", "Play it")
      .Set("frmRUNAVI Text", "PauseButtonToolTip", "Hold it")
      .Set("frmRUNAVI Text", "Instruction1", "Pick a clip")
      .Set("frmRUNAVI Text", "Instruction2", "and watch");
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const std::string section = "AVI" + std::to_string(i);
    ini.Set(section, "BUTTON", buttons[i] == " " ? "\" \"" : buttons[i])
        .Set(section, "TOOLTIP", "Tip " + std::to_string(i))
        .Set(section, "File", "clip" + std::to_string(i) + ".avi");
  }
  return ini;
}

class VideoTest : public SimTest {
 protected:
  void OpenVideo(const IniText& ini = ClipList({"Scanning", "Cropping", "Saving"})) {
    WriteIni(ini.Text());
    video = std::make_unique<frmRunAVI>(program);
    video->Load();
  }
  sim::SimFormHost& Window() { return *sim.FindForm("frmRunAVI"); }
  template <class T>
  sim::SimControl& C(const ControlDecl<T>& control) {
    return Window().Control(control);
  }
  template <class T>
  Bounds At(const ControlDecl<T>& control) {
    return C(control).design.bounds;
  }
  static std::vector<int> Numbers(const Bounds& b) { return {b.left, b.top, b.width, b.height}; }

  std::unique_ptr<frmRunAVI> video;
};

}  // namespace vantor::testing

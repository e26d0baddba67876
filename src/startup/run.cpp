#include "startup/run.h"

#include <memory>

#include "coach/frm_coach.h"
#include "startup/launch.h"
#include "video/frm_run_avi.h"

namespace vantor {
namespace {

// The clip folder search is not part of this build yet: no clip folder is
// ever found, so a video start ends quietly, as it does on a computer
// without the clips.
class ProgramWindows : public StartupWindows {
 public:
  std::string FindVideoFolder(Program&) override { return {}; }
  void LoadVideoWindow(Program& program) override {
    program.mainWindow = std::make_unique<frmRunAVI>(program);
    program.mainWindow->Load();
  }
  void LoadCoachWindow(Program& program) override {
    program.mainWindow = std::make_unique<frmCoach>(program);
    program.mainWindow->Load();
  }
};

}  // namespace

int RunStartup(Program& program) {
  ProgramWindows windows;
  Main(program, windows);
  return program.startup.LaunchMode;
}

}  // namespace vantor

#include "startup/run.h"

#include <memory>

#include "coach/frm_coach.h"
#include "startup/launch.h"
#include "videosource/discovery.h"

namespace vantor {
namespace {

// The video window is not part of this build yet: a video start finds the
// clip folder and remembers it, then ends.
class ProgramWindows : public StartupWindows {
 public:
  std::string FindVideoFolder(Program& program) override {
    return vantor::FindVideoFolder(program);
  }
  void LoadVideoWindow(Program&) override {}
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

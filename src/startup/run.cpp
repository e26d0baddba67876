#include "startup/run.h"

#include <memory>

#include "coach/frm_coach.h"
#include "common/phase_log.h"
#include "startup/launch.h"
#include "video/frm_run_avi.h"
#include "videosource/discovery.h"
#include "videosource/frm_nocd.h"

namespace vantor {
namespace {

// Start-up's windows: the coach, and the video window once the clip folder
// search has found the clips.
class ProgramWindows : public StartupWindows {
 public:
  std::string FindVideoFolder(Program& program) override {
    ClipFolderDialogs dialogs(program);
    return vantor::FindVideoFolder(program.ClipSearch(), dialogs);
  }
  void LoadVideoWindow(Program& program) override {
    phases::Mark("start-up: launch mode, instances, clip folder");
    program.mainWindow = MakeVideoWindow(program);
    phases::Mark("video: window and controls created");
    program.mainWindow->Load();
    phases::Mark("video: loaded and shown");
  }
  void LoadCoachWindow(Program& program) override {
    phases::Mark("start-up: launch mode, instances");
    program.mainWindow = MakeCoachWindow(program);
    phases::Mark("coach: window and controls created");
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

#include "startup/run.h"

#include "startup/launch.h"

namespace vantor {
namespace {

// The coach and video windows and the clip folder search are not part of
// this build yet. Until they are, start-up ends with no window open and the
// process reports the launch mode it settled on as its exit code, so that
// a caller (and the end-to-end tests) can tell which window would open.
class PendingWindows : public StartupWindows {
 public:
  std::string FindVideoFolder(Program&) override { return {}; }
  void LoadVideoWindow(Program&) override {}
  void LoadCoachWindow(Program&) override {}
};

}  // namespace

int RunStartup(Program& program) {
  PendingWindows windows;
  Main(program, windows);
  return program.startup.LaunchMode;
}

}  // namespace vantor

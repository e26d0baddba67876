// Starts that come together: two instances of the program on one simulated
// computer, the second started at every step of the first in turn, must end
// as if they had started one after the other, in the order they began. A
// second start that comes while the first waits for the user brings that
// dialog forward and ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/frm_choice.h"
#include "platform/sim/sim_platform.h"
#include "program.h"
#include "startup/launch.h"
#include "videosource/discovery.h"
#include "videosource/frm_nocd.h"

namespace vantor {
namespace {

const char kSettings[] =
    "[General]\nChoiceOnCoachDoubleClick=1\nMoviesLastFoundAt=d:\\clips\n"
    "[AVI Setup]\nrelativePath=movies\nkeyFile=vantor-clips.id\n"
    "[frmCoach Text]\nTitle=Scan Coach\n"
    "[frmRUNAVI Text]\nTitle=How-To Videos\n"
    "[frmChoice Text]\nTitle=Vantor\n"
    "[frmNoCD Text]\nTitle=Clips Not Found\n";

struct Row {
  const char* what;
  const char* first;  // command lines
  const char* second;
  ControlDecl<OptionButton> choice;  // the option picked in the choice dialog
  bool clipsMoved;                   // the clips are no longer where they were found last
};

const Row kRows[] = {
    {"coach twice", "7", "7", choice_controls::kCoach, false},
    {"video twice", "9", "9", choice_controls::kCoach, false},
    {"clips twice", "1001", "1002", choice_controls::kCoach, false},
    {"coach, then video", "7", "9", choice_controls::kCoach, false},
    {"clips asked for, then video", "9", "9", choice_controls::kCoach, true},
    {"choice of the coach, then coach", "", "7", choice_controls::kCoach, false},
    {"choice of the video twice", "", "", choice_controls::kVideo, false},
};

// The windows an instance loads stand on the shared desktop, where the
// other instance finds them by title.
class DesktopWindows : public StartupWindows {
 public:
  explicit DesktopWindows(sim::SimPlatform& sim) : sim_(sim) {}
  std::string FindVideoFolder(Program& program) override {
    ClipFolderDialogs dialogs(program);
    return vantor::FindVideoFolder(program.ClipSearch(), dialogs);
  }
  void LoadVideoWindow(Program&) override { Open("How-To Videos"); }
  void LoadCoachWindow(Program&) override { Open("Scan Coach"); }

  WindowHandle opened = 0;
  std::size_t mostOpenAtOnce = 0;  // windows of that title, this one included

 private:
  void Open(const std::string& title) {
    sim_.Step("load " + title);
    opened = sim_.AddWindow(title, {100, 80, 500, 380});
    mostOpenAtOnce = std::max(mostOpenAtOnce, sim_.OpenWindowsTitled(title).size());
  }
  sim::SimPlatform& sim_;
};

struct Instance {
  Instance(std::shared_ptr<sim::SimSystem> system, const Row& row, const char* commandLine)
      : sim(std::move(system)), program(sim), windows(sim) {
    sim.commandLine = commandLine;
    sim.drives.AddDrive('d', DriveKind::Fixed);
    sim.drives.AddFile("d:\\clips\\movies\\vantor-clips.id");
    sim.OnModal("frmChoice", [choice = row.choice](sim::SimFormHost& dialog) {
      dialog.Click(choice);
      dialog.Click(choice_controls::kOk);
    });
    sim.OnModal("frmNoCD", [](sim::SimFormHost& prompt) {
      prompt.TypeText(nocd_controls::kDriveBox, "d:\\clips");
      prompt.Click(nocd_controls::kOk);
    });
  }
  // Runs start-up: "running" (its window open), "ended", or "waits" for
  // its turn (then the test starts it again once the turn is free).
  void Start() {
    try {
      Main(program, windows);
      outcome = "running";
    } catch (const sim::ProgramEnded&) {
      outcome = "ended";
    } catch (const sim::WaitsForTurn&) {
      // Nothing of the start has happened: running it again is waiting.
      EXPECT_EQ(sim.steps, std::vector<std::string>{"turn"});
      sim.steps.clear();
      outcome = "waits";
      waitedForTurn = true;
    }
  }

  sim::SimPlatform sim;
  Program program;
  DesktopWindows windows;
  std::string outcome;
  bool waitedForTurn = false;
};

// What two starts left behind, to compare with two starts one after the
// other.
struct Ending {
  std::vector<std::string> open;  // "first:<title>" or "second:<title>"
  std::string first, second;      // how each ended
  std::vector<std::string> activated;
  std::string settings;
  bool operator==(const Ending&) const = default;
};

void PrintTo(const Ending& e, std::ostream* os) {
  *os << "first " << e.first << ", second " << e.second << ", open:";
  for (const std::string& w : e.open) *os << " " << w;
  *os << ", activated:";
  for (const std::string& a : e.activated) *os << " " << a;
  *os << "\n" << e.settings;
}

class Pair {
 public:
  explicit Pair(const Row& row)
      : system_(std::make_shared<sim::SimSystem>()),
        first(system_, row, row.first),
        second(system_, row, row.second) {
    std::string settings = kSettings;
    if (row.clipsMoved) settings.replace(settings.find("d:\\clips"), 8, "d:\\gone");
    first.sim.WriteFile(first.sim.programFolder + "\\zthelp.ini", settings);
  }

  // Starts the first instance, and the second one at the first's step
  // `at` (after the first's start when `at` is past its last step). A
  // second start that waits for its turn starts again once the first's
  // start is over.
  void Together(std::size_t at) {
    bool started = false;
    first.sim.onStep = [&] {
      if (started || first.sim.steps.size() != at + 1) return;
      started = true;
      firstWaitedForUser = first.sim.instances.WaitingForUser();
      second.Start();
    };
    first.Start();
    if (second.outcome.empty() || second.outcome == "waits") second.Start();
  }
  // The same starts one after the other, in the order given.
  void OneAfterOther(bool firstBegan) {
    (firstBegan ? first : second).Start();
    (firstBegan ? second : first).Start();
  }
  // The first alone: the second comes while it waits for the user and ends.
  void FirstAlone() {
    first.Start();
    second.outcome = "ended";
  }

  Ending Result() {
    Ending e{{}, first.outcome, second.outcome, first.sim.activated, ""};
    e.activated.insert(e.activated.end(), second.sim.activated.begin(), second.sim.activated.end());
    for (const auto& [handle, window] : system_->windows) {
      if (window.closed || window.closeAsked) continue;
      e.open.push_back((handle == first.windows.opened ? "first:" : "second:") + window.title);
    }
    e.settings = first.sim.ReadFile(first.sim.programFolder + "\\zthelp.ini");
    return e;
  }

  std::shared_ptr<sim::SimSystem> system_;
  Instance first;
  Instance second;
  WindowHandle firstWaitedForUser = 0;
};

TEST(StartsTogetherTest, EndAsIfOneCameAfterTheOtherAtEveryStep) {
  for (const Row& row : kRows) {
    Pair alone(row);
    alone.first.Start();
    const std::size_t steps = alone.first.sim.steps.size();
    ASSERT_LT(steps, 500u) << row.what;
    bool waited = false, broughtForward = false;
    for (std::size_t at = 0; at <= steps; ++at) {
      SCOPED_TRACE(std::string(row.what) + ", second start at step " + std::to_string(at));
      Pair together(row);
      together.Together(at);
      const bool firstBegan =
          together.first.sim.instances.ticket() < together.second.sim.instances.ticket();
      Pair expected(row);
      if (together.firstWaitedForUser != 0) {
        expected.FirstAlone();
        EXPECT_EQ(together.second.sim.instances.broughtForward,
                  std::vector<WindowHandle>{together.firstWaitedForUser});
        broughtForward = true;
      } else {
        expected.OneAfterOther(firstBegan);
        EXPECT_TRUE(together.second.sim.instances.broughtForward.empty());
      }
      EXPECT_EQ(together.Result(), expected.Result());
      EXPECT_LE(together.first.windows.mostOpenAtOnce, 1u);
      EXPECT_LE(together.second.windows.mostOpenAtOnce, 1u);
      waited = waited || together.second.waitedForTurn;
    }
    // Every row really has the second start wait for the first's, and the
    // rows whose first start asks the user come while it asks.
    EXPECT_TRUE(waited) << row.what;
    EXPECT_EQ(broughtForward, std::string(row.first).empty() || row.clipsMoved) << row.what;
  }
}

}  // namespace
}  // namespace vantor

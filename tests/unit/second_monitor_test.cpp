// Windows on a second monitor whose taskbar is on another edge than the
// primary monitor's: the places saved and the seats taken are in screen
// coordinates, whichever monitor's work area the system measured them from.
#include "placement/placement.h"
#include "startup/launch.h"
#include "video_fixture.h"

namespace vantor::testing {
namespace {

constexpr int kTpp = 15;

// A window of 3000 x 2000 twips with nothing in it.
class PlainForm : public Form {
 public:
  explicit PlainForm(Platform& platform) : Form(platform, Design()) {}

 private:
  static FormSpec Design() {
    FormSpec design;
    design.name = "frmPlain";
    return design;
  }
};

class NoWindows : public StartupWindows {
 public:
  std::string FindVideoFolder(Program&) override { return "E:\\MOVIES"; }
  void LoadVideoWindow(Program&) override {}
  void LoadCoachWindow(Program&) override {}
};

// The primary monitor (1024 x 768) has its taskbar on the left, 48 pixels
// wide; the second, to its right (1280 x 1024), has its own at the top, 30
// pixels high. Windows measures a normal rectangle from the work area of
// the window's own monitor, so the two offsets differ on both axes.
class SecondMonitorTest : public SimTest {
 protected:
  SecondMonitorTest() {
    sim.workArea = {48, 0, 1024, 768};
    sim.AddMonitor({1024, 0, 2304, 1024}, {1024, 30, 2304, 1024});
  }
  // The coach or the video window, loaded afresh over a fresh settings file.
  Form& Open(const std::string& name) {
    window.reset();
    if (name == "frmCoach") {
      WriteIni(ScanTask().Text());
      window = std::make_unique<frmCoach>(program);
    } else {
      WriteIni(ClipList({"Scanning", "Cropping"}).Text());
      window = std::make_unique<frmRunAVI>(program);
    }
    window->Load();
    return *window;
  }
  std::unique_ptr<Form> window;
};

TEST_F(SecondMonitorTest, OurWindowsSaveTheirNormalPlaceInScreenTwipsAtClose) {
  const struct {
    const char* form;
    const char* section;
  } windows[] = {{"frmCoach", "CoachPosition"}, {"frmRunAVI", "AVIPosition"}};
  const struct {
    WindowState state;
    const char* stored;
  } states[] = {
      {WindowState::Normal, "0"}, {WindowState::Minimised, "1"}, {WindowState::Maximised, "2"}};
  for (const auto& w : windows) {
    for (const auto& s : states) {
      SCOPED_TRACE(std::string(w.form) + " windowstate " + s.stored);
      // Left where it opened, on the primary monitor: nothing is written.
      Open(w.form);
      sim.FindForm(w.form)->SetWindowState(s.state);
      EXPECT_TRUE(Ends([&] { sim.FindForm(w.form)->CloseBox(); }));
      EXPECT_EQ(Ini(w.section, "left"), "");

      // Moved onto the second monitor.
      Form& form = Open(w.form);
      const int width = form.Width(), height = form.Height();
      form.Host().Move(1400 * kTpp, 300 * kTpp, width, height);
      sim.FindForm(w.form)->SetWindowState(s.state);
      EXPECT_TRUE(Ends([&] { sim.FindForm(w.form)->CloseBox(); }));
      EXPECT_EQ(Ini(w.section, "left"), "21000");
      EXPECT_EQ(Ini(w.section, "top"), "4500");
      EXPECT_EQ(Ini(w.section, "width"), std::to_string(width));
      EXPECT_EQ(Ini(w.section, "height"), std::to_string(height));
      EXPECT_EQ(Ini(w.section, "windowstate"), s.stored);
    }
  }
}

// The unload handlers' comparison with the place at load, one pixel either
// side of it, for a window standing on the second monitor.
TEST_F(SecondMonitorTest, AWindowThereCountsAsMovedOnlyWhenItsNormalPlaceChanged) {
  PlainForm form(sim);
  form.Load();
  form.Host().Move(1400 * kTpp, 300 * kTpp, 3000, 2000);
  const struct {
    int startLeft;
    int startTop;
    bool saved;
  } cases[] = {{21000, 4500, false},
               {21000 - kTpp, 4500, true},
               {21000 + kTpp, 4500, true},
               {21000, 4500 - kTpp, true},
               {21000, 4500 + kTpp, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.startLeft) + "," + std::to_string(c.startTop));
    WriteIni("");
    SaveFormPositionIfMoved(program, form, "Pos", c.startLeft, c.startTop);
    EXPECT_EQ(Ini("Pos", "left"), c.saved ? "21000" : "");
    EXPECT_EQ(Ini("Pos", "top"), c.saved ? "4500" : "");
  }
}

TEST_F(SecondMonitorTest, SeatingBesideAHostThereCountsFromItsOwnMonitorsWorkArea) {
  PlainForm form(sim);
  form.Load();
  form.Host().Move(0, 0, 3000, 2000);
  const WindowHandle host = sim.AddWindow("Orvex", {1300, 200, 1900, 600});
  for (bool tool : {false, true}) {
    SCOPED_TRACE(tool ? "tool window" : "ordinary window");
    sim.Window(host).toolWindow = tool;
    PlaceFormBesideWindow(program, form, "Pos", kApplyPosition, kShowModeless, "Orvex");
    // As Windows gives it: a tool window's in screen pixels, any other's
    // less the second monitor's offset (0, 30).
    const Rect found = program.placement.FoundPlacement;
    EXPECT_EQ(found.top, tool ? 200 : 170);
    EXPECT_EQ(found.left, 1300);
    // One eighth of the host's 400 pixels below its top: (50 + 200) x 15.
    EXPECT_EQ(form.Top(), 3750);
    // Its right edge is past the primary's work area: fitted to it.
    EXPECT_EQ(form.Left(), (1024 - 48) * kTpp - 3000);
  }
}

TEST_F(SecondMonitorTest, TakingOverAVideoWindowThereSavesItsScreenPlace) {
  WriteIni("[frmRUNAVI Text]\nTitle=How-To Videos\n");
  sim.AddEarlierInstance();
  sim.commandLine = "9";
  const WindowHandle video = sim.AddWindow("How-To Videos", {1300, 200, 1700, 500});
  NoWindows windows;
  EXPECT_FALSE(Ends([&] { Main(program, windows); }));
  EXPECT_EQ(sim.Window(video).requests, std::vector<std::string>{"closed"});
  EXPECT_EQ(Ini("AVIPosition", "left"), "19500");
  EXPECT_EQ(Ini("AVIPosition", "top"), "3000");
  EXPECT_EQ(Ini("AVIPosition", "width"), "6000");
  EXPECT_EQ(Ini("AVIPosition", "height"), "4500");
}

}  // namespace
}  // namespace vantor::testing

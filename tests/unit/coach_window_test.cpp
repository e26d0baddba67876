// The coach window's own load and unload: the scanning application's window
// brought back, the busy pointer, and the position saved only after a move.
#include "coach_fixture.h"

namespace vantor::testing {
namespace {

TEST_F(CoachTest, LoadingShowsAHiddenHostWindowAndTheBusyPointerMeanwhile) {
  const WindowHandle host = sim.AddWindow("Orvex Scan", {100, 100, 500, 400}, false);
  OpenCoach(ScanTask().Set("General", "CallingAppName", "Orvex Scan"));
  EXPECT_EQ(sim.Window(host).showCommands, std::vector<int>{1});
  EXPECT_EQ(sim.pointers, (std::vector<Pointer>{Pointer::ArrowHourglass, Pointer::ArrowHourglass,
                                                Pointer::Default}));
  EXPECT_TRUE(Window().IsVisible());
  EXPECT_EQ(Window().Caption(), "Scan Coach");
  EXPECT_EQ(C("MediaView").pane.title, sim.programFolder + "\\Vantor.m14");
}

TEST_F(CoachTest, ClosingSavesThePositionOnlyAfterAMove) {
  OpenCoach();
  EXPECT_TRUE(Ends([&] { Window().Click("btn_Cancel"); }));
  EXPECT_EQ(Ini("CoachPosition", "left"), "");

  sim::SimPlatform desktop;
  Program run(desktop);
  run.settings.LocateSettingsFile();
  desktop.WriteFile(IniPath(), ScanTask().Text());
  frmCoach window(run);
  window.Load();
  window.SetLeft(window.Left() + 300);
  EXPECT_TRUE(Ends([&] { desktop.FindForm("frmCoach")->CloseBox(); }));
  EXPECT_EQ(desktop.ProfileString("CoachPosition", "left", IniPath()),
            std::to_string(window.Left()));
}

}  // namespace
}  // namespace vantor::testing

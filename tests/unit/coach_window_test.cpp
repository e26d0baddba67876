// The coach window's own load and unload: the scanning application's window
// brought back, the busy pointer, and the position saved only after a move.
#include <algorithm>

#include "coach_fixture.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

TEST_F(CoachTest, LoadingShowsAHiddenHostWindowAndTheBusyPointerMeanwhile) {
  const WindowHandle host = sim.AddWindow("Orvex Scan", {100, 100, 500, 400}, false);
  OpenCoach(ScanTask().Set("General", "CallingAppName", "Orvex Scan"));
  EXPECT_EQ(sim.Window(host).requests, std::vector<std::string>{"restored"});
  EXPECT_EQ(sim.pointers, (std::vector<Pointer>{Pointer::ArrowHourglass, Pointer::ArrowHourglass,
                                                Pointer::Default}));
  EXPECT_TRUE(Window().IsVisible());
  EXPECT_EQ(Window().Caption(), "Scan Coach");
  EXPECT_EQ(C(kPane).pane.title, sim.programFolder + "\\Vantor.m14");
}

TEST_F(CoachTest, ClosingSavesThePositionOnlyAfterAMove) {
  OpenCoach();
  EXPECT_TRUE(Ends([&] { Window().Click(kCancel); }));
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

TEST_F(CoachTest, AMinimisedOrMaximisedCoachSavesWhereItStoodNormally) {
  for (auto [state, stored] :
       {std::pair{WindowState::Minimised, "1"}, std::pair{WindowState::Maximised, "2"}}) {
    OpenCoach();
    const int left = coach->Left(), top = coach->Top();
    Window().SetWindowState(state);
    EXPECT_TRUE(Ends([&] { Window().CloseBox(); }));
    EXPECT_EQ(Ini("CoachPosition", "left"), "");

    OpenCoach();
    coach->SetLeft(left + 300);
    Window().SetWindowState(state);
    EXPECT_TRUE(Ends([&] { Window().CloseBox(); }));
    EXPECT_EQ(Ini("CoachPosition", "left"), std::to_string(left + 300));
    EXPECT_EQ(Ini("CoachPosition", "top"), std::to_string(top));
    EXPECT_EQ(Ini("CoachPosition", "windowstate"), stored);
  }
}

TEST_F(CoachTest, AMovedCoachClosesQuietlyWhenItsPlaceCannotBeWritten) {
  OpenCoach();
  coach->SetLeft(coach->Left() + 300);
  sim.writesFail = true;
  EXPECT_TRUE(Ends([&] { Window().CloseBox(); }));
  EXPECT_TRUE(sim.messageBoxes.empty());
  EXPECT_EQ(Ini("CoachPosition", "left"), "");
}

TEST_F(CoachTest, LoadingLaysOutAndPlacesTheHiddenWindowBeforeTheFirstTopic) {
  OpenCoach();
  const std::vector<std::string>& trace = Window().trace();
  const auto at = [&](const std::string& what) {
    return std::find(trace.begin(), trace.end(), what) - trace.begin();
  };
  // Hidden first; the layout sizes it, placement moves and shows it, and
  // only then does the first topic fill it.
  EXPECT_EQ(trace.front(), "hide");
  EXPECT_LT(at("hide"), at("move"));
  EXPECT_LT(at("show"), at("topic T0"));
  EXPECT_GE(std::count(trace.begin(), trace.begin() + at("show"), "move"), 2);
  EXPECT_EQ(trace.back(), "show");
}

TEST_F(CoachTest, FinishAfterAMoveSavesNothing) {
  OpenCoach();
  NextTo(9);
  coach->SetLeft(coach->Left() + 450);
  EXPECT_TRUE(Ends([&] { Next(); }));
  EXPECT_EQ(Ini("CoachPosition", "left"), "");
}

TEST_F(CoachTest, AnOptionsCaptionChoosesItAsItsPictureDoes) {
  OpenCoach();
  NextTo(6);
  Window().Click(kOptionLabel[3]);
  EXPECT_EQ(MarkedOption(), 3);
  EXPECT_EQ(program.coach.SelectedOption, 3);
  Window().Click(kOptionImage[1]);
  EXPECT_EQ(MarkedOption(), 1);
  EXPECT_EQ(program.coach.SelectedOption, 1);
  // The unused eighth row is hidden, and its picture is cleared all the same.
  EXPECT_FALSE(C(kOptionImage[7]).visible);
  EXPECT_EQ(C(kOptionImage[7]).picture, "ico_opt_off");
}

}  // namespace
}  // namespace vantor::testing

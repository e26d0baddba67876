#include "placement/placement.h"

#include "sim_fixture.h"

namespace vantor {
namespace {

using testing::SimTest;

// A plain window whose outer size is 3000 x 2000 twips.
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

class PlacementTest : public SimTest {
 protected:
  PlacementTest() : form(sim) {
    form.Load();
    form.Host().Move(0, 0, 3000, 2000);
  }
  sim::SimFormHost& host() { return *sim.FindForm("frmPlain"); }
  void Store(int left, int top, int width, int height) {
    WriteIni("[Pos]\nleft=" + std::to_string(left) + "\ntop=" + std::to_string(top) +
             "\nwidth=" + std::to_string(width) + "\nheight=" + std::to_string(height) + "\n");
  }
  void Restore(PlacementFlags flags = kApplyPosition | kApplyZOrder) {
    RestoreFormPosition(program, form, "Pos", flags, kShowModeless);
  }
  PlainForm form;
};

TEST_F(PlacementTest, TwipsPerPixelAreMeasuredFromTheScreen) {
  sim.SetScreen(1024, 768, 12);
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(sim);
  EXPECT_EQ(tpp.x, 12);
  EXPECT_EQ(tpp.y, 12);
}

TEST_F(PlacementTest, CentresOnTheScreenAndOnSmallScreensAtTheTop) {
  sim.SetScreen(800, 600);
  CenterForm(program, form, {}, kShowModeless);
  EXPECT_EQ(form.Left(), 12000 / 2 - 3000 / 2);
  EXPECT_EQ(form.Top(), 9000 / 2 - 2000 / 2);
  EXPECT_TRUE(host().IsVisible());

  sim.SetScreen(640, 480);
  CenterForm(program, form, {}, kShowModeless);
  EXPECT_EQ(form.Left(), 9600 / 2 - 3000 / 2);
  EXPECT_EQ(form.Top(), 0);
  EXPECT_TRUE(host().IsVisible());
}

TEST_F(PlacementTest, ModalCentringShowsModalAndSkipsTheZOrderOfAClosedWindow) {
  sim.OnModal("frmPlain", [&](sim::SimFormHost&) { form.Unload(); });
  CenterForm(program, form, kApplyZOrder, kShowModal);
  EXPECT_TRUE(host().shownModal());
  EXPECT_EQ(host().notTopmostCalls(), 0);

  PlainForm other(sim);
  other.Load();
  CenterForm(program, other, kApplyZOrder, kShowModeless);
  EXPECT_EQ(sim.FindForm("frmPlain")->notTopmostCalls(), 1);
}

TEST_F(PlacementTest, NoStoredWidthCentresEvenWithLeftAndTopPresent) {
  Store(100, 100, -5, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 15360 / 2 - 1500);
  WriteIni("[Pos]\nleft=100\ntop=100\n");
  form.Host().Move(0, 0, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 15360 / 2 - 1500);
  EXPECT_EQ(form.Top(), 11520 / 2 - 1000);
}

TEST_F(PlacementTest, PositionFlagsIgnoreTheStoredSize) {
  Store(1500, 1200, 9000, 9000);
  Restore();
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 1200);
  EXPECT_EQ(form.Width(), 3000);
  EXPECT_EQ(form.Height(), 2000);
  EXPECT_EQ(host().notTopmostCalls(), 1);
}

TEST_F(PlacementTest, FittingKeepsTheWindowInsideTheWorkArea) {
  Store(-300, -20, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 0);
  EXPECT_EQ(form.Top(), 0);

  Store(14000, 11000, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 15360 - 3000);
  EXPECT_EQ(form.Top(), 11520 - 2000);
}

TEST_F(PlacementTest, ATaskbarOnTopStillAllowsTopZeroAndLimitsTheBottomByItsHeight) {
  sim.workArea = {0, 30, 1024, 768};
  Store(500, 0, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Top(), 0);
  Store(500, 10000, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Top(), (768 - 30) * 15 - 2000);
}

TEST_F(PlacementTest, AWindowWiderThanTheWorkAreaEndsWithANegativeLeft) {
  form.Host().Move(0, 0, 20000, 2000);
  FitFormToWorkArea(program, form);
  EXPECT_EQ(form.Left(), 15360 - 20000);
}

TEST_F(PlacementTest, SeatsBesideTheHostWindowOnTheFirstRun) {
  sim.AddWindow("Orvex", {100, 50, 700, 450});
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Left(), 10500);
  EXPECT_EQ(form.Top(), 1500);
  EXPECT_TRUE(host().IsVisible());
  EXPECT_EQ(program.placement.FoundPlacement.right, 700);
}

TEST_F(PlacementTest, SeatingIsFittedToTheWorkArea) {
  sim.AddWindow("Orvex", {300, 600, 900, 1000});
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Left(), 15360 - 3000);
  EXPECT_EQ(form.Top(), 11520 - 2000);
}

TEST_F(PlacementTest, SeatingFallsBackToTheStoredPlaceOrTheCentre) {
  sim.AddWindow("Orvex", {100, 50, 700, 450});
  Store(1500, 1200, 0, 0);  // a stored width of 0 counts as stored
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Left(), 1500);

  WriteIni("");
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Not there");
  EXPECT_EQ(form.Left(), 15360 / 2 - 1500);

  const WindowHandle broken = sim.AddWindow("Broken", {100, 50, 700, 450});
  sim.Window(broken).placementFails = true;
  form.Host().Move(0, 0, 3000, 2000);
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Broken");
  EXPECT_EQ(form.Left(), 15360 / 2 - 1500);
}

TEST_F(PlacementTest, AnEmptyHostTitleNamesNoWindow) {
  sim.AddWindow("", {100, 50, 700, 450});
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless, "");
  EXPECT_EQ(form.Left(), 15360 / 2 - 1500);
}

TEST_F(PlacementTest, SavingWritesSignedTextAndTheStateWhichIsNeverReadBack) {
  form.Host().Move(1500, -300, 3000, 2000);
  sim.FindForm("frmPlain")->SetWindowState(WindowState::Maximised);
  SaveFormPosition(program, form, "Pos");
  EXPECT_EQ(sim.writes,
            (std::vector<std::string>{"Pos/left= 1500", "Pos/top=-300", "Pos/width= 3000",
                                      "Pos/height= 2000", "Pos/windowstate= 2"}));
  form.Host().Move(0, 0, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 0);
  EXPECT_EQ(form.WindowState(), WindowState::Maximised);  // restoring does not touch the state
}

TEST_F(PlacementTest, SavedWindowPlacementReadsBackUnchanged) {
  program.placement.FoundPlacement = {100, 80, 500, 380};
  SaveWindowPlacement(program, "AVIPosition");
  EXPECT_EQ(Ini("AVIPosition", "left"), "1500");
  EXPECT_EQ(Ini("AVIPosition", "width"), "6000");
  EXPECT_EQ(Ini("AVIPosition", "height"), "4500");
  RestoreFormPosition(program, form, "AVIPosition", kApplyPosition, kShowModeless);
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 1200);
  EXPECT_EQ(form.Width(), 3000);  // the window keeps its own size
  EXPECT_EQ(form.Height(), 2000);
}

// With the taskbar on the left or at the top, Windows measures another
// window's normal rectangle from the work area's corner.
TEST_F(PlacementTest, SeatingBesideTheHostCountsFromTheWorkAreasCorner) {
  sim.workArea = {100, 0, 1024, 768};
  const WindowHandle orvex = sim.AddWindow("Orvex", {100, 50, 700, 450});
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(program.placement.FoundPlacement.right, 600);
  EXPECT_EQ(form.Left(), 10500);
  EXPECT_EQ(form.Top(), 1500);

  sim.workArea = {0, 40, 1024, 768};
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Left(), 10500);
  EXPECT_EQ(form.Top(), 1500);

  // A tool window's rectangle is already in screen coordinates.
  sim.Window(orvex).toolWindow = true;
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Top(), 1500);
}

TEST_F(PlacementTest, TheSeatsTopIsRoundedHalvesToEven) {
  // One eighth of 404 is 50.5: (50.5 + 51) x 15 = 1522.5, kept at 1522.
  sim.AddWindow("Orvex", {100, 51, 700, 455});
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Top(), 1522);
  // One eighth of 402 is 50.25: (50.25 + 51) x 15 = 1518.75, up to 1519.
  sim.Window(sim.FindTopLevelWindow("Orvex")).rect.bottom = 453;
  PlaceFormBesideWindow(program, form, "Pos", kApplyPosition | kApplyZOrder, kShowModeless,
                        "Orvex");
  EXPECT_EQ(form.Top(), 1519);
}

TEST_F(PlacementTest, FittingMovesAWindowOnlyOnceItCrossesALimit) {
  const int right = 15360 - 3000, bottom = 11520 - 2000;
  Store(right, bottom, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), right);
  EXPECT_EQ(form.Top(), bottom);
  Store(right + 1, bottom + 1, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), right);
  EXPECT_EQ(form.Top(), bottom);
  Store(0, 0, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 0);
  EXPECT_EQ(form.Top(), 0);
  Store(-1, -1, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), 0);
  EXPECT_EQ(form.Top(), 0);
}

TEST_F(PlacementTest, AWorkAreaOffTheLeftEdgeLimitsByItsWidthFromTheScreensOrigin) {
  sim.workArea = {100, 0, 1024, 768};
  const int right = (1024 - 100) * 15 - 3000;
  Store(right, 0, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), right);
  Store(right + 1, 0, 3000, 2000);
  Restore();
  EXPECT_EQ(form.Left(), right);
  Store(0, 0, 3000, 2000);  // under the taskbar, as the top limit allows too
  Restore();
  EXPECT_EQ(form.Left(), 0);
}

TEST_F(PlacementTest, AScreenOfExactlySevenHundredPixelsCentresVertically) {
  sim.SetScreen(700, 500);
  CenterForm(program, form, {}, kShowModeless);
  EXPECT_EQ(form.Top(), 7500 / 2 - 1000);
  sim.SetScreen(699, 500);
  CenterForm(program, form, {}, kShowModeless);
  EXPECT_EQ(form.Top(), 0);
}

}  // namespace
}  // namespace vantor

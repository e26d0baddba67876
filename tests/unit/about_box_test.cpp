// The about box: titled like the window it was opened from, the version
// line from the program's own version numbers, and OK (or Enter, or
// Escape) closing the centred modal box.
#include <functional>

#include "coach/frm_coach_design.h"
#include "coach_fixture.h"
#include "dialogs/frm_about.h"

namespace vantor::testing {
namespace {

// Stands in for the video window: only its name matters to the box.
class VideoWindow : public Form {
 public:
  explicit VideoWindow(Platform& platform) : Form(platform, Design()) {}

 private:
  static FormSpec Design() {
    FormSpec design;
    design.name = "frmRUNAVI";
    return design;
  }
};

class AboutBoxTest : public CoachTest {
 protected:
  AboutBoxTest() : video(sim) {
    OpenCoach(ScanTask()
                  .Set("frmRUNAVI Text", "Title", "How-to Videos")
                  .Set("All Forms Text", "OKButton", "OK"));
  }

  // Opens the box from `opener`; `use` is what the user does while it is
  // up. True when the box was closed by then.
  bool Open(Form& opener, std::function<void(sim::SimFormHost&)> use) {
    bool closed = false;
    sim.OnModal("frmAbout", [&](sim::SimFormHost& box) {
      use(box);
      closed = box.destroyed();
    });
    OpenAboutBox(program, opener);
    return closed;
  }
  std::string CaptionFrom(Form& opener) {
    std::string caption;
    Open(opener, [&](sim::SimFormHost& box) { caption = box.Caption(); });
    return caption;
  }

  VideoWindow video;
};

TEST_F(AboutBoxTest, IsTitledLikeTheWindowItWasOpenedFrom) {
  video.Load();
  EXPECT_EQ(CaptionFrom(*coach), "Scan Coach");
  EXPECT_EQ(CaptionFrom(video), "How-to Videos");
  EXPECT_EQ(program.AboutOpener, &video);
  EXPECT_EQ(CaptionFrom(*coach), "Scan Coach");
}

TEST_F(AboutBoxTest, OpensOnADoubleClickOnTheCoachsButtonBar) {
  std::string caption;
  sim.OnModal("frmAbout", [&](sim::SimFormHost& box) { caption = box.Caption(); });
  Window().DblClick(coach_controls::kBar);
  EXPECT_EQ(caption, "Scan Coach");
  EXPECT_EQ(program.AboutOpener, coach.get());
}

TEST_F(AboutBoxTest, ShowsTheVersionInPlainDecimalsAndTheOkText) {
  EXPECT_EQ(AboutVersionLine({1, 1, 5}), "Vantor.exe  1.1.5e");
  EXPECT_EQ(AboutVersionLine({1, 1, 120}), "Vantor.exe  1.1.120e");
  EXPECT_EQ(AboutVersionLine({12, 0, 3456}), "Vantor.exe  12.0.3456e");

  sim.version = {2, 3, 7};
  Open(*coach, [](sim::SimFormHost& box) {
    EXPECT_EQ(box.Control(about_controls::kVersion).text, "Vantor.exe  2.3.7e");
    EXPECT_FALSE(box.Control(about_controls::kCopyright).text.empty());
    EXPECT_EQ(box.Control(about_controls::kOk).text, "OK");
  });
}

TEST_F(AboutBoxTest, IsCentredAndModalAndClosesByOkEnterEscapeOrTheCloseBox) {
  sim.SetScreen(1024, 768);
  EXPECT_TRUE(Open(*coach, [](sim::SimFormHost& box) {
    EXPECT_TRUE(box.IsVisible());
    EXPECT_TRUE(box.shownModal());
    EXPECT_EQ(box.Left(), (1024 * 15 - box.Width()) / 2);
    EXPECT_NEAR(box.Top(), (768 * 15 - box.Height()) / 2.0, 0.5);
    box.Click(about_controls::kOk);
  }));
  EXPECT_TRUE(Open(*coach, [](sim::SimFormHost& box) { box.PressEnter(); }));
  EXPECT_TRUE(Open(*coach, [](sim::SimFormHost& box) { box.PressEscape(); }));
  EXPECT_TRUE(Open(*coach, [](sim::SimFormHost& box) { box.CloseBox(); }));
  EXPECT_TRUE(Window().IsVisible());
}

}  // namespace
}  // namespace vantor::testing

// vantor-check --pictures on the simulated desktop: one picture for every
// topic of the task and one of each other window, each page as the user
// meets it, and nothing done to the scanning application, the settings file
// or the screen meanwhile.
#include "check/window_pictures.h"

#include <algorithm>

#include "coach_fixture.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

// What each picture would show, read from the window when it is taken.
struct Shot {
  std::string name;
  std::string form;
  bool visible = false;
  std::string topic;
  std::string next;
  bool doIt = false;
  bool dontShow = false;
  int optionsShown = 0;
};

class RecordingCamera : public check::WindowCamera {
 public:
  bool Take(Form& form, const std::string& name) override {
    Shot shot{name, form.Name(), form.Host().IsVisible()};
    if (form.Name() == "frmCoach") {
      FormHost& host = form.Host();
      shot.topic = host.TopicPane(form.Find(kPane)).topic;
      shot.next = host.Text(form.Find(kNext));
      shot.doIt = host.Visible(form.Find(kDoIt));
      shot.dontShow = host.Visible(form.Find(kDontShowBox));
      for (int i = 0; i < kMaxOptionButtons; ++i)
        shot.optionsShown += host.Visible(form.Find(kOptionImage[i])) ? 1 : 0;
    }
    shots.push_back(shot);
    return !failing;
  }
  std::vector<Shot> shots;
  bool failing = false;
};

class WindowPicturesTest : public SimTest {
 protected:
  void Install(const IniText& ini) { WriteIni(ini.Text()); }
  IniText WithClips(IniText ini) {
    return ini.Set("AVI0", "BUTTON", "Placing the page").Set("AVI0", "File", "place.avi");
  }
  RecordingCamera camera;
};

TEST_F(WindowPicturesTest, EveryTopicAndEveryOtherWindowAsTheUserMeetsIt) {
  Install(WithClips(ScanTask()));
  const check::PicturesTaken taken = check::TakeWindowPictures(program, camera);
  std::vector<std::string> expected;
  for (int t = 0; t < 10; ++t) expected.push_back(check::CoachPictureName(t));
  for (const char* other : {"video", "nocd", "getpath", "choice"}) expected.push_back(other);
  EXPECT_EQ(taken.taken, expected);
  EXPECT_TRUE(taken.missed.empty());
  ASSERT_EQ(camera.shots.size(), expected.size());
  EXPECT_EQ(check::CoachPictureName(3), "coach-topic03");
  EXPECT_EQ(check::CoachPictureName(123), "coach-topic123");

  for (int t = 0; t < 10; ++t) {
    const Shot& shot = camera.shots[t];
    SCOPED_TRACE(shot.name);
    EXPECT_EQ(shot.topic, "T" + std::to_string(t));
    EXPECT_EQ(shot.next, t == 9 ? "Finish" : "Next >");
    EXPECT_EQ(shot.doIt, t == 2 || t == 4 || t == 8);
    EXPECT_EQ(shot.dontShow, t == 3 || t == 5 || t == 9);
    // Sets 0 to 2 hold 7, 5 and 8 captions.
    EXPECT_EQ(shot.optionsShown, t == 6 ? 7 : t == 7 ? 5 : t == 8 ? 8 : 0);
  }
  const std::vector<std::string> forms = {"frmRunAVI", "frmNoCD", "frmGetPath", "frmChoice"};
  for (std::size_t i = 0; i < forms.size(); ++i) EXPECT_EQ(camera.shots[10 + i].form, forms[i]);
  // Hidden: the camera places each window where no one sees it.
  for (const Shot& shot : camera.shots) EXPECT_FALSE(shot.visible) << shot.name;
}

TEST_F(WindowPicturesTest, NothingIsDoneToTheScanningApplicationTheSettingsOrTheScreen) {
  sim.AddWindow("Orvex Scan", {100, 100, 500, 400}, false);
  Install(WithClips(ScanTask())
              .Set("General", "CallingAppName", "Orvex Scan")
              .Set("General", "MoviesLastFoundAt", "C:\\clips"));
  sim.helpHost.selectionValid = true;
  const std::string before = sim.ReadFile(IniPath());
  check::TakeWindowPictures(program, camera);
  EXPECT_TRUE(sim.writes.empty());
  EXPECT_EQ(sim.ReadFile(IniPath()), before);
  EXPECT_TRUE(sim.helpHost.calls.empty());  // no preview, no zoom, no output type
  EXPECT_TRUE(sim.messageBoxes.empty());
  EXPECT_TRUE(sim.activated.empty());
  for (const std::string& step : sim.steps) {
    EXPECT_NE(step.rfind("find ", 0), 0u) << step;
    EXPECT_NE(step.rfind("modal ", 0), 0u) << step;
    EXPECT_NE(step.rfind("write ", 0), 0u) << step;
  }
  // Not even the hidden scanning application is brought back.
  EXPECT_TRUE(sim.Window(sim.OpenWindowsTitled("Orvex Scan").front()).requests.empty());
}

TEST_F(WindowPicturesTest, WithoutAClipListOrTopicsThoseWindowsHaveNoPicture) {
  Install(IniText().Set("frmCoach Text", "Title", "Coach"));
  const check::PicturesTaken taken = check::TakeWindowPictures(program, camera);
  EXPECT_EQ(taken.taken, (std::vector<std::string>{"nocd", "getpath", "choice"}));
  EXPECT_EQ(taken.missed,
            (std::vector<std::string>{"coach: the task has no topics",
                                      "video: there is no clip list ([AVI0] BUTTON)"}));
  // The program's "ZTHELP.INI not found" is not shown for a picture.
  EXPECT_TRUE(sim.messageBoxes.empty());
}

TEST_F(WindowPicturesTest, APictureThatCannotBeKeptIsReported) {
  Install(WithClips(ScanTask()));
  camera.failing = true;
  const check::PicturesTaken taken = check::TakeWindowPictures(program, camera);
  EXPECT_TRUE(taken.taken.empty());
  ASSERT_EQ(taken.missed.size(), 14u);
  EXPECT_EQ(taken.missed.front(), "coach-topic00: the picture could not be taken or written");
}

}  // namespace
}  // namespace vantor::testing

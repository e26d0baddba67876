#include "check/window_pictures.h"

#include <cstdio>
#include <functional>

#include "coach/frm_coach.h"
#include "dialogs/frm_choice.h"
#include "video/frm_run_avi.h"
#include "videosource/frm_getpath.h"
#include "videosource/frm_nocd.h"

namespace vantor::check {
namespace {

class Album {
 public:
  Album(WindowCamera& camera, PicturesTaken& result) : camera_(camera), result_(result) {}

  void Take(Form& form, const std::string& name) {
    if (camera_.Take(form, name))
      result_.taken.push_back(name);
    else
      result_.missed.push_back(name + ": the picture could not be taken or written");
  }
  // Loads a window the window's own file made, and takes its picture.
  void Load(std::unique_ptr<Form> form, const std::string& name) {
    form->Load();
    Take(*form, name);
  }
  void Miss(const std::string& name, const std::string& why) {
    result_.missed.push_back(name + ": " + why);
  }
  // Loads a window and takes its pictures. A window that ends the program
  // as it loads (as the video window does without a clip list) has none.
  void Window(const std::string& name, const std::function<void()>& body) {
    try {
      body();
    } catch (...) {
      Miss(name, "the window ended the program as it opened");
    }
  }

 private:
  WindowCamera& camera_;
  PicturesTaken& result_;
};

}  // namespace

std::string CoachPictureName(int topic) {
  char name[32];
  std::snprintf(name, sizeof name, "coach-topic%02d", topic);
  return name;
}

PicturesTaken TakeWindowPictures(Program& program, WindowCamera& camera) {
  PicturesTaken result;
  Album album(camera, result);
  program.settings.LocateSettingsFile();

  album.Window("coach", [&] {
    const auto coach = MakeCoachWindow(program, WindowUse::Picture);
    coach->Load();
    const int topics = program.coach.TopicCount();
    if (topics == 0) album.Miss("coach", "the task has no topics");
    for (int t = 0; t < topics; ++t) {
      coach->ShowPageForPicture(static_cast<std::int16_t>(t));
      album.Take(*coach, CoachPictureName(t));
    }
  });

  // Without a first clip the program shows only "ZTHELP.INI not found"
  // instead of the window.
  if (program.settings.ReadIniString("AVI0", "BUTTON").empty()) {
    album.Miss("video", "there is no clip list ([AVI0] BUTTON)");
  } else {
    album.Window("video",
                 [&] { album.Load(MakeVideoWindow(program, WindowUse::Picture), "video"); });
  }

  album.Window("nocd", [&] {
    // The prompt offers the CD-ROM drives the clip search found.
    Drives& drives = program.platform.DrivesAndFolders();
    program.videosource.CDDrives.clear();
    for (const std::string& root : drives.DriveRoots())
      if (drives.KindOf(root) == DriveKind::CdRom) program.videosource.CDDrives.push_back(root);
    program.videosource.NoCDAnswer.clear();
    album.Load(MakeNoCDPrompt(program), "nocd");
  });

  album.Window("getpath", [&] { album.Load(MakeFolderPicker(program), "getpath"); });
  album.Window("choice", [&] { album.Load(MakeChoiceDialog(program), "choice"); });
  return result;
}

}  // namespace vantor::check

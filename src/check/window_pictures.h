// Pictures of every window as the user would see it, for translators to
// review a whole installation at a glance (vantor-check --pictures): each
// page of the coach, the video window, the missing-CD prompt, the folder
// picker and the choice dialog. The windows are the program's own, loaded
// for a picture (WindowUse::Picture): they read the installation exactly as
// the program does and act on nothing.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "program.h"

namespace vantor::check {

// What takes the picture of a window: the platform's side. The window is
// loaded, hidden, and holds what it would show the user.
class WindowCamera {
 public:
  virtual ~WindowCamera() = default;
  // Keeps a picture of `form` under `name` ("coach-topic03"); false when
  // it could not be taken or kept.
  virtual bool Take(Form& form, const std::string& name) = 0;
};

struct PicturesTaken {
  std::vector<std::string> taken;   // names, in order
  std::vector<std::string> missed;  // "name: why"
};

std::string CoachPictureName(int topic);

// Every picture of the installation whose settings file `program` finds
// (Settings::LocateSettingsFile is run here).
PicturesTaken TakeWindowPictures(Program& program, WindowCamera& camera);

}  // namespace vantor::check

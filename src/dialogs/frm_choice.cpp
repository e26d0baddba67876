#include "dialogs/frm_choice.h"

#include "placement/placement.h"
#include "startup/launch.h"

namespace vantor {
namespace {

using namespace choice_controls;

// Client area 4065 x 1890 twips as designed; controls in pixels.
FormSpec ChoiceDesign() {
  FormSpec design = FormDesign("frmChoice", 4065, 1890);
  design.controls = {DesignRow(kQuestion, ControlKind::Label, {12, 10, 247, 30}),
                     DesignRow(kCoach, ControlKind::OptionButton, {24, 44, 235, 18}),
                     DesignRow(kVideo, ControlKind::OptionButton, {24, 64, 235, 18}),
                     OkRow(kOk, {52, 92, 75, 25}), CancelRow(kCancel, {144, 92, 75, 25})};
  return design;
}

}  // namespace

frmChoice::frmChoice(Program& program) : Dialog(program, ChoiceDesign(), &kOk, &kCancel) {
  On(kOk, EventKind::Click, [this](int) { btn_OK_Click(); });
  On(kCancel, EventKind::Click, [this](int) { btn_Cancel_Click(); });
}

void frmChoice::Form_Load() {
  const Settings& ini = program_.settings;
  SetCaption(Text("Title"));
  Get(kQuestion).SetCaption(Text("Question"));
  Get(kCoach).SetCaption(ini.ReadIniString("frmCoach Text", "Title"));
  Get(kVideo).SetCaption(ini.ReadIniString("frmRUNAVI Text", "Title"));
  ShowButtonCaptions();
  Get(kCoach).SetValue(true);
}

void frmChoice::btn_OK_Click() {
  program_.startup.LaunchMode = Get(kCoach).Value() ? kModeCoach : kModeVideo;
  Unload();
}

void frmChoice::btn_Cancel_Click() {
  program_.startup.LaunchMode = kModeNone;
  Unload();
}

std::unique_ptr<Form> MakeChoiceDialog(Program& program) {
  return std::make_unique<frmChoice>(program);
}

void AskLaunchMode(Program& program) {
  frmChoice choice(program);
  choice.Load();
  CenterForm(program, choice, kApplyZOrder, kShowModal);
}

}  // namespace vantor

#include "dialogs/frm_choice.h"

#include "placement/placement.h"
#include "startup/launch.h"

namespace vantor {
namespace {

// Client area 4065 x 1890 twips as designed; controls in pixels.
FormSpec ChoiceDesign() {
  FormSpec design;
  design.name = "frmChoice";
  design.clientWidthTwips = 4065;
  design.clientHeightTwips = 1890;
  design.border = BorderStyle::FixedDialog;

  ControlSpec question = DesignRow("lbl_Question", ControlKind::Label, {12, 10, 247, 30});
  question.id = kChoiceQuestionId;

  ControlSpec option1 = DesignRow("Option1", ControlKind::OptionButton, {24, 44, 235, 18});
  option1.id = kChoiceOption1Id;

  ControlSpec option2 = option1;
  option2.name = "Option2";
  option2.bounds.top = 64;
  option2.id = kChoiceOption2Id;

  ControlSpec ok = DesignRow("btn_OK", ControlKind::Button, {52, 92, 75, 25});
  ok.isDefault = true;
  ok.dialogButton = DialogButton::Ok;

  ControlSpec cancel = ok;
  cancel.name = "btn_Cancel";
  cancel.bounds.left = 144;
  cancel.isDefault = false;
  cancel.isCancel = true;
  cancel.dialogButton = DialogButton::Cancel;

  design.controls = {question, option1, option2, ok, cancel};
  return design;
}

}  // namespace

frmChoice::frmChoice(Program& program) : Form(program.platform, ChoiceDesign()), program_(program) {
  On("btn_OK", EventKind::Click, [this](int) { btn_OK_Click(); });
  On("btn_Cancel", EventKind::Click, [this](int) { btn_Cancel_Click(); });
}

void frmChoice::Form_Load() {
  const Settings& ini = program_.settings;
  SetCaption(ini.ReadIniString("frmChoice Text", "Title"));
  Question().SetCaption(ini.ReadIniString("frmChoice Text", "Question"));
  CoachChoice().SetCaption(ini.ReadIniString("frmCoach Text", "Title"));
  VideoChoice().SetCaption(ini.ReadIniString("frmRUNAVI Text", "Title"));
  OkButton().SetCaption(ini.ReadIniString("All Forms Text", "OKButton"));
  CancelButton().SetCaption(ini.ReadIniString("All Forms Text", "CancelButton"));
  CoachChoice().SetValue(true);
}

void frmChoice::btn_OK_Click() {
  program_.startup.LaunchMode = CoachChoice().Value() ? kModeCoach : kModeVideo;
  Unload();
}

void frmChoice::btn_Cancel_Click() {
  program_.startup.LaunchMode = kModeNone;
  Unload();
}

void AskLaunchMode(Program& program) {
  frmChoice choice(program);
  choice.Load();
  CenterForm(program, choice, kApplyZOrder, kShowModal);
}

}  // namespace vantor

#include "dialogs/frm_about.h"

#include "placement/placement.h"

namespace vantor {
namespace {

// Client area 3750 x 1920 twips as designed (250 x 128 pixels).
FormSpec AboutDesign() {
  FormSpec design;
  design.name = "frmAbout";
  design.clientWidthTwips = 3750;
  design.clientHeightTwips = 1920;
  design.border = BorderStyle::FixedDialog;

  ControlSpec picture = DesignRow("Image1", ControlKind::Image, {12, 12, 32, 32});
  picture.picture = "about_picture";
  picture.labelledBy = "lbl_Version";  // the program's picture, named as the program

  ControlSpec version = DesignRow("lbl_Version", ControlKind::Label, {56, 14, 182, 17});

  ControlSpec copyright = DesignRow("lbl_Copyright", ControlKind::Label, {56, 38, 182, 30});
  copyright.caption = texts::kCopyrightLabel.text;

  // Enter and Escape both close the box, as OK does.
  ControlSpec ok = DesignRow("btn_OK", ControlKind::Button, {163, 93, 75, 23});
  ok.isDefault = true;
  ok.isCancel = true;
  ok.dialogButton = DialogButton::Ok;

  design.controls = {picture, version, copyright, ok};
  return design;
}

}  // namespace

std::string AboutVersionLine(const VersionInfo& version) {
  return "Vantor.exe  " + std::to_string(version.major) + "." + std::to_string(version.minor) +
         "." + std::to_string(version.revision) + "e";
}

frmAbout::frmAbout(Program& program) : Form(program.platform, AboutDesign()), program_(program) {
  On("btn_OK", EventKind::Click, [this](int) { btn_OK_Click(); });
}

void frmAbout::Form_Load() {
  const Settings& ini = program_.settings;
  VersionLabel().SetCaption(AboutVersionLine(program_.platform.ProgramVersion()));
  CopyrightLabel().SetCaption(ini.ReadIniText(texts::kCopyrightLabel));
  const bool fromCoach = program_.AboutOpener && program_.AboutOpener->Name() == "frmCoach";
  SetCaption(ini.ReadIniString(fromCoach ? "frmCoach Text" : "frmRUNAVI Text", "Title"));
  OkButton().SetCaption(ini.ReadIniString("All Forms Text", "OKButton"));
}

void frmAbout::btn_OK_Click() { Unload(); }

void OpenAboutBox(Program& program, Form& opener) {
  program.AboutOpener = &opener;
  frmAbout box(program);
  box.Load();
  CenterForm(program, box, kApplyZOrder, kShowModal);
}

}  // namespace vantor

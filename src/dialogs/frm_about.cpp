#include "dialogs/frm_about.h"

#include "placement/placement.h"

namespace vantor {
namespace {

using namespace about_controls;

// Client area 3750 x 1920 twips as designed (250 x 128 pixels).
FormSpec AboutDesign() {
  FormSpec design = FormDesign("frmAbout", 3750, 1920);
  ControlSpec picture = DesignRow(kPicture, ControlKind::Image, {12, 12, 32, 32});
  picture.picture = "about_picture";
  picture.labelledBy = kVersion.name;  // the program's picture, named as the program

  ControlSpec copyright = DesignRow(kCopyright, ControlKind::Label, {56, 38, 182, 30});
  copyright.caption = texts::kCopyrightLabel.text;

  // Enter and Escape both close the box, as OK does.
  ControlSpec ok = OkRow(kOk, {163, 93, 75, 23});
  ok.isCancel = true;

  design.controls = {picture, DesignRow(kVersion, ControlKind::Label, {56, 14, 182, 17}), copyright,
                     ok};
  return design;
}

}  // namespace

std::string AboutVersionLine(const VersionInfo& version) {
  return "Vantor.exe  " + std::to_string(version.major) + "." + std::to_string(version.minor) +
         "." + std::to_string(version.revision) + "e";
}

frmAbout::frmAbout(Program& program) : Dialog(program, AboutDesign(), &kOk) {
  On(kOk, EventKind::Click, [this](int) { Unload(); });
}

void frmAbout::Form_Load() {
  const Settings& ini = program_.settings;
  Get(kVersion).SetCaption(AboutVersionLine(program_.platform.ProgramVersion()));
  Get(kCopyright).SetCaption(ini.ReadIniText(texts::kCopyrightLabel));
  const bool fromCoach = program_.AboutOpener && program_.AboutOpener->Name() == "frmCoach";
  SetCaption(ini.ReadIniString(fromCoach ? "frmCoach Text" : "frmRUNAVI Text", "Title"));
  ShowButtonCaptions();
}

void OpenAboutBox(Program& program, Form& opener) {
  program.AboutOpener = &opener;
  frmAbout box(program);
  box.Load();
  CenterForm(program, box, kApplyZOrder, kShowModal);
}

}  // namespace vantor

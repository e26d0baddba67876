#include "videosource/frm_nocd.h"

#include "placement/placement.h"
#include "videosource/frm_getpath.h"

namespace vantor {

// Client area 5400 x 2970 twips as designed; controls in pixels.
FormSpec NoCDDesign() {
  FormSpec design;
  design.name = "frmNoCD";
  design.clientWidthTwips = 5400;
  design.clientHeightTwips = 2970;
  design.border = BorderStyle::FixedDialog;

  ControlSpec ok = DialogRow("btn_OK", ControlKind::Button, {190, 164, 75, 25}, kNoCDOkId);
  ok.isDefault = true;
  ControlSpec cancel =
      DialogRow("btn_Cancel", ControlKind::Button, {273, 164, 75, 25}, kNoCDCancelId);
  cancel.isCancel = true;
  const ControlSpec browse = DialogRow("btn_Browse", ControlKind::Button, {12, 164, 75, 25},
                                       kNoCDBrowseId, texts::kBrowseButton.text);

  design.controls = {
      DialogRow("lbl_NotFound", ControlKind::Label, {12, 10, 336, 28}, kNoCDNotFoundId),
      DialogRow("lbl_FilesOnCD", ControlKind::Label, {12, 42, 336, 28}, kNoCDFilesOnCDId),
      DialogRow("lbl_InsertCD", ControlKind::Label, {12, 74, 336, 42}, kNoCDInsertCDId),
      DialogRow("cmb_CDLetter", ControlKind::ComboBox, {12, 124, 336, 21}, kNoCDLetterId),
      ok,
      cancel,
      browse,
  };
  return design;
}

frmNoCD::frmNoCD(Program& program) : Form(program.platform, NoCDDesign()), program_(program) {
  On("btn_OK", EventKind::Click, [this](int) { btn_OK_Click(); });
  On("btn_Cancel", EventKind::Click, [this](int) { btn_Cancel_Click(); });
  On("btn_Browse", EventKind::Click, [this](int) { btn_Browse_Click(); });
}

void frmNoCD::Form_Load() {
  const Settings& ini = program_.settings;
  SetCaption(ini.ReadIniString("frmNoCD Text", "Title"));
  NotFoundLabel().SetCaption(ini.ReadIniString("frmNoCD Text", "NotFoundLabel"));
  FilesOnCDLabel().SetCaption(ini.ReadIniString("frmNoCD Text", "FilesOnCDLabel"));
  InsertCDLabel().SetCaption(ini.ReadIniString("frmNoCD Text", "InsertCDLabel"));
  OkButton().SetCaption(ini.ReadIniString("All Forms Text", "OKButton"));
  CancelButton().SetCaption(ini.ReadIniString("All Forms Text", "CancelButton"));
  BrowseButton().SetCaption(ini.ReadIniText(texts::kBrowseButton));
  OKPressed = 0;

  // Only drives that are still CD-ROM drives: one may have gone since the
  // search listed it (a removed external drive).
  Drives& drives = program_.platform.DrivesAndFolders();
  std::vector<std::string> cds;
  for (const std::string& root : program_.videosource.CDDrives)
    if (drives.KindOf(root) == DriveKind::CdRom) cds.push_back(root);
  ListControl box = DriveBox();
  box.SetItems(cds);
  const std::string& answer = program_.videosource.NoCDAnswer;
  box.SetCaption(!answer.empty() ? answer : cds.empty() ? std::string() : cds.front());
}

void frmNoCD::SetAnswerText(const std::string& text) { DriveBox().SetCaption(text); }

void frmNoCD::btn_OK_Click() {
  program_.videosource.NoCDAnswer = DriveBox().Caption();
  OKPressed = -1;
  Unload();
}

void frmNoCD::btn_Cancel_Click() {
  OKPressed = 0;
  Unload();
}

void frmNoCD::btn_Browse_Click() {
  program_.videosource.BrowseRequested = 1;
  Unload();
}

// However the prompt closes, unless by OK or Browse, the user declined.
void frmNoCD::Form_Unload() {
  VideoSourceState& state = program_.videosource;
  if (OKPressed == 0 && state.BrowseRequested == 0) state.NoCDAnswer = kNoCDCancelled;
}

namespace {

// Shows a dialog centred and modal, then lets pending events run so that
// the dialog's answer is complete before it is read.
void ShowCentredModal(Program& program, Form& dialog) {
  CenterForm(program, dialog, kApplyZOrder, kShowModal);
  // A modal show ends when the dialog is gone; should it ever come back
  // with the dialog still there, closing it gives the close box's answer.
  if (dialog.IsLoaded()) dialog.Unload();
  program.platform.DoEvents();
}

}  // namespace

void ClipFolderDialogs::AskForClipFolder(const std::string& folderPicked) {
  frmNoCD prompt(program_);
  prompt.Load();
  if (!folderPicked.empty()) prompt.SetAnswerText(folderPicked);
  ShowCentredModal(program_, prompt);
}

void ClipFolderDialogs::PickClipFolder() {
  frmGetPath picker(program_);
  picker.Load();
  ShowCentredModal(program_, picker);
}

}  // namespace vantor

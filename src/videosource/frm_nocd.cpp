#include "videosource/frm_nocd.h"

#include "placement/placement.h"
#include "videosource/frm_getpath.h"

namespace vantor {

using namespace nocd_controls;

// Client area 5400 x 2970 twips as designed; controls in pixels.
FormSpec NoCDDesign() {
  FormSpec design = FormDesign("frmNoCD", 5400, 2970);
  ControlSpec browse = DesignRow(kBrowse, ControlKind::Button, {12, 164, 75, 25});
  browse.caption = texts::kBrowseButton.text;
  design.controls = {
      DesignRow(kNotFound, ControlKind::Label, {12, 10, 336, 28}),
      DesignRow(kFilesOnCD, ControlKind::Label, {12, 42, 336, 28}),
      DesignRow(kInsertCD, ControlKind::Label, {12, 74, 336, 42}),
      DesignRow(kDriveBox, ControlKind::ComboBox, {12, 124, 336, 21}),
      OkRow(kOk, {190, 164, 75, 25}),
      CancelRow(kCancel, {273, 164, 75, 25}),
      browse,
  };
  return design;
}

frmNoCD::frmNoCD(Program& program) : Dialog(program, NoCDDesign(), &kOk, &kCancel) {
  On(kOk, EventKind::Click, [this](int) { btn_OK_Click(); });
  On(kCancel, EventKind::Click, [this](int) { btn_Cancel_Click(); });
  On(kBrowse, EventKind::Click, [this](int) { btn_Browse_Click(); });
}

void frmNoCD::Form_Load() {
  SetCaption(Text("Title"));
  Get(kNotFound).SetCaption(Text("NotFoundLabel"));
  Get(kFilesOnCD).SetCaption(Text("FilesOnCDLabel"));
  Get(kInsertCD).SetCaption(Text("InsertCDLabel"));
  ShowButtonCaptions();
  Get(kBrowse).SetCaption(program_.settings.ReadIniText(texts::kBrowseButton));
  OKPressed = 0;

  // Only drives that are still CD-ROM drives: one may have gone since the
  // search listed it (a removed external drive).
  Drives& drives = program_.platform.DrivesAndFolders();
  std::vector<std::string> cds;
  for (const std::string& root : program_.videosource.CDDrives)
    if (drives.KindOf(root) == DriveKind::CdRom) cds.push_back(root);
  ListControl box = Get(kDriveBox);
  box.SetItems(cds);
  const std::string& answer = program_.videosource.NoCDAnswer;
  box.SetCaption(!answer.empty() ? answer : cds.empty() ? std::string() : cds.front());
}

void frmNoCD::SetAnswerText(const std::string& text) { Get(kDriveBox).SetCaption(text); }

void frmNoCD::btn_OK_Click() {
  program_.videosource.NoCDAnswer = Get(kDriveBox).Caption();
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

std::unique_ptr<Form> MakeNoCDPrompt(Program& program) {
  return std::make_unique<frmNoCD>(program);
}

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

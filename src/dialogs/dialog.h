// What the program's five dialogs share: the frame, the OK and Cancel row,
// and the captions every window takes from "All Forms Text".
#pragma once

#include <string>

#include "platform/form.h"
#include "program.h"

namespace vantor {

// OK, pressed by Enter, and Cancel, pressed by Escape. A button declared
// without an ID of its own takes the one the system reserves for OK or
// Cancel, so that tools which press a dialog's OK or Cancel find it.
inline ControlSpec OkRow(const ControlDecl<Button>& ok, Bounds bounds) {
  ControlSpec row = DesignRow(ok, ControlKind::Button, bounds);
  row.isDefault = true;
  if (ok.id == 0) row.dialogButton = DialogButton::Ok;
  return row;
}
inline ControlSpec CancelRow(const ControlDecl<Button>& cancel, Bounds bounds) {
  ControlSpec row = DesignRow(cancel, ControlKind::Button, bounds);
  row.isCancel = true;
  if (cancel.id == 0) row.dialogButton = DialogButton::Cancel;
  return row;
}

class Dialog : public Form {
 protected:
  // `ok` and `cancel`: the dialog's buttons, or null where it has none.
  Dialog(Program& program, FormSpec design, const ControlDecl<Button>* ok,
         const ControlDecl<Button>* cancel = nullptr)
      : Form(program.platform, std::move(design)), program_(program), ok_(ok), cancel_(cancel) {}

  Button OkButton() { return Get(*ok_); }
  Button CancelButton() { return Get(*cancel_); }
  // A text of the dialog's own section ("frmNoCD Text").
  std::string Text(const char* key) const {
    return program_.settings.ReadIniString(Name() + " Text", key);
  }
  // The captions of OK and Cancel, the same in every window.
  void ShowButtonCaptions() {
    const Settings& ini = program_.settings;
    if (ok_) OkButton().SetCaption(ini.ReadIniString("All Forms Text", "OKButton"));
    if (cancel_) CancelButton().SetCaption(ini.ReadIniString("All Forms Text", "CancelButton"));
  }

  Program& program_;

 private:
  const ControlDecl<Button>* ok_;
  const ControlDecl<Button>* cancel_;
};

}  // namespace vantor

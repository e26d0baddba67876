// The choice dialog: asks, at a start without a command line, whether to
// open the coach or the video window, and sets the launch mode.
#pragma once

#include "dialogs/dialog.h"

namespace vantor {

namespace choice_controls {
inline constexpr ControlDecl<Label> kQuestion{"lbl_Question", 101};
inline constexpr ControlDecl<OptionButton> kCoach{"Option1", 102};
inline constexpr ControlDecl<OptionButton> kVideo{"Option2", 103};
inline constexpr ControlDecl<Button> kOk{"btn_OK"};
inline constexpr ControlDecl<Button> kCancel{"btn_Cancel"};
}  // namespace choice_controls

// Asks, modally and centred, which window to open; the answer goes to the
// launch mode.
void AskLaunchMode(Program& program);
// The dialog, not yet loaded, for the picture taker.
std::unique_ptr<Form> MakeChoiceDialog(Program& program);

class frmChoice : public Dialog {
 public:
  explicit frmChoice(Program& program);

 private:
  void Form_Load() override;
  void btn_OK_Click();
  void btn_Cancel_Click();
};

}  // namespace vantor

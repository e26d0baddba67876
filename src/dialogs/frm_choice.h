// The choice dialog: asks, at a start without a command line, whether to
// open the coach or the video window, and sets the launch mode.
#pragma once

#include "platform/form.h"
#include "program.h"

namespace vantor {

// Control IDs the dialog's controls carry on Windows.
constexpr int kChoiceQuestionId = 101;
constexpr int kChoiceOption1Id = 102;
constexpr int kChoiceOption2Id = 103;

// Asks, modally and centred, which window to open; the answer goes to the
// launch mode.
void AskLaunchMode(Program& program);

class frmChoice : public Form {
 public:
  explicit frmChoice(Program& program);

 private:
  Label Question() { return Get<Label>("lbl_Question"); }
  OptionButton CoachChoice() { return Get<OptionButton>("Option1"); }
  OptionButton VideoChoice() { return Get<OptionButton>("Option2"); }
  Button OkButton() { return Get<Button>("btn_OK"); }
  Button CancelButton() { return Get<Button>("btn_Cancel"); }

  void Form_Load() override;
  void btn_OK_Click();
  void btn_Cancel_Click();

  Program& program_;
};

}  // namespace vantor

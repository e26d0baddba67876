// The coach window: walks the user through the scanning task one topic at
// a time. Its controls are the task model's view; its events go to the
// model and to the scanning actions.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "program.h"

namespace vantor {

class frmCoach : public Form {
 public:
  explicit frmCoach(Program& program);

  // The controls the task model, the topic pane and the actions set.
  Label StepText(int i) { return Get<Label>("btn_StepText", i); }
  Label StepNum(int i) { return Get<Label>("btn_StepNum", i); }
  Picture DontShowBox() { return Get<Picture>("chk_DontShow"); }
  Label DontShowLabel() { return Get<Label>("lbl_DontShow"); }
  Button DoItButton() { return Get<Button>("btn_DoIt"); }
  Button NextButton() { return Get<Button>("btn_Next"); }
  Button BackButton() { return Get<Button>("btn_Back"); }
  TopicPane Pane() { return Get<TopicPane>("MediaView"); }
  Picture OptionImage(int i) { return Get<Picture>("btn_Option", i); }
  Label OptionLabel(int i) { return Get<Label>("lbl_Option", i); }
  Timer SelectionTimer() { return Get<Timer>("selectCheck"); }
  // The panel, on which text is measured, and the option captions' font.
  FormHost& Surface() const { return Host(); }
  Font OptionLabelFont() const;

  // Shows the box ticked or not, with the pictures its holders keep.
  void ShowDontShowBox(bool checked);
  // Marks option `index` as chosen and makes it the selected option; any
  // other number leaves every option unmarked.
  void btn_Option_Click(int index);
  // Sizes the window and places every control; run once while loading.
  void LayOutCoachWindow();

 private:
  void Form_Load() override;
  void Form_Unload() override;
  void LoadCoachTexts();
  void LayOutStepList();
  void btn_Help_Click();
  void selectCheck_Timer();

  Program& program_;
  // Where placement put the window, in twips; compared at unload. Kept
  // wide so that positions beyond 16 bits still compare exactly.
  std::int32_t CoachStartLeft = 0;
  std::int32_t CoachStartTop = 0;
};

}  // namespace vantor

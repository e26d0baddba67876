// The coach window: walks the user through the scanning task one topic at
// a time. The task model and the scanning actions decide what each page
// shows; this window shows it and is the only code that writes to its
// controls. Its events go to the model and to the scanning actions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "coach/coach_view.h"
#include "coach/frm_coach_design.h"
#include "platform/form.h"
#include "program.h"

namespace vantor {

class frmCoach;
// The coach window, not yet loaded: for the user, as start-up opens it, or
// for the picture taker.
std::unique_ptr<frmCoach> MakeCoachWindow(Program& program, WindowUse use = WindowUse::User);

class frmCoach : public Form, public CoachView, public OptionRowSurface {
 public:
  explicit frmCoach(Program& program, WindowUse use = WindowUse::User);

  // Sizes the window and places every control; run once while loading.
  void LayOutCoachWindow();

  // For a picture: shows topic `topic` as the user meets it on the way
  // through the task, without its action on the scanning application.
  void ShowPageForPicture(std::int16_t topic);

  // What the task model and the actions show through the window.
  void ShowCoachLook(const CoachLook& look) override;
  void ShowDontShowTicked(bool ticked) override;
  void ShowOptionMarks(int marked, int rows) override;
  void ShowStepMarks(const std::vector<StepMark>& marks) override;
  void WaitForPreview() override;
  // Measured once while loading.
  TextSize MeasureOptionText(const std::string& text) override;
  Bounds OptionPictureBounds(int row) override;
  Bounds OptionLabelBounds(int row) override;

 private:
  void ShowTopicAction(const TopicActionLook& look);
  void ShowPaneArrangement(const PaneArrangement& arrangement);

  void Form_Load() override;
  void Form_Unload() override;
  void LoadCoachTexts();
  // Texts, task, help title and layout: everything the window shows.
  void LoadLook();
  // The task from the settings file, and its option rows measured.
  void LoadTask();
  // The loaded steps' names on their labels; labels without a step hidden.
  void ShowStepNames();
  void LayOutStepList();
  void btn_Help_Click();
  void btn_Option_Click(int index);
  void selectCheck_Timer();

  Program& program_;
  WindowUse use_;
  // Where placement put the window, in twips; compared at unload. Kept
  // wide so that positions beyond 16 bits still compare exactly.
  std::int32_t CoachStartLeft = 0;
  std::int32_t CoachStartTop = 0;
};

}  // namespace vantor

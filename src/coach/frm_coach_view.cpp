// The coach window's side of each page: it applies what the task model,
// the scanning actions and the option rows' arrangement decided.
#include "coach/coach_geometry.h"
#include "coach/frm_coach.h"
#include "coach/frm_coach_design.h"
#include "dialogs/frm_scanning.h"

namespace vantor {

using namespace coach_controls;

// In the order the page has always been built: the page's controls, what
// the topic's action asks, the option marks, the step, the rows, the marks.
void frmCoach::ShowCoachLook(const CoachLook& look) {
  const TopicPage& page = look.page;
  Get(kDontShowBox).SetVisible(page.dontShowOffered);
  Get(kDontShowLabel).SetVisible(page.dontShowOffered);
  ShowDontShowTicked(false);
  Button doIt = Get(kDoIt);
  doIt.SetVisible(page.doItShown);
  // Its caption stays the window's; the topic gives the tool tip.
  if (page.doItShown) {
    doIt.SetEnabled(true);
    doIt.SetToolTip(page.doItToolTip);
  }
  Get(kNext).SetCaption(look.nextCaption);
  Get(kNext).SetToolTip(look.nextToolTip);
  Get(kBack).SetEnabled(page.backEnabled);
  Get(kPane).SetTopic(page.topicId);
  ShowTopicAction(look.action);
  if (look.markedOption) ShowOptionMarks(*look.markedOption, look.optionRows);
  for (int i = 0; i < program_.coach.StepCount() && i < kMaxSteps; ++i)
    Get(kStepText[i]).SetSelected(i == look.currentStep);
  ShowPaneArrangement(look.pane);
  ShowStepMarks(look.stepMarks);
}

void frmCoach::WaitForPreview() { ShowScanProgress(program_); }

void frmCoach::ShowTopicAction(const TopicActionLook& look) {
  if (look.doItEnabled) Get(kDoIt).SetEnabled(*look.doItEnabled);
  if (look.nextEnabled) Get(kNext).SetEnabled(*look.nextEnabled);
  if (look.selectionWait) {
    if (*look.selectionWait)
      Get(kSelectionTimer).Start(kSelectionPollMs);
    else
      Get(kSelectionTimer).Stop();
  }
}

void frmCoach::ShowDontShowTicked(bool ticked) {
  Get(kDontShowBox).SetPicture(Design(ticked ? kBoxOn : kBoxOff).picture);
  Get(kDontShowBox).SetValue(ticked);
}

// Hidden rows' pictures change too, so that a row shown later is right.
void frmCoach::ShowOptionMarks(int marked, int rows) {
  const std::string& on = Design(kOptionOn).picture;
  const std::string& off = Design(kOptionOff).picture;
  for (int i = 0; i < rows; ++i) {
    Get(kOptionImage[i]).SetPicture(i == marked ? on : off);
    Get(kOptionImage[i]).SetValue(i == marked);
  }
}

void frmCoach::ShowStepMarks(const std::vector<StepMark>& marks) {
  for (std::size_t i = 0; i < marks.size(); ++i) {
    if (marks[i] != StepMark::Keep)
      Get(kStepText[static_cast<int>(i)])
          .SetForeColor(marks[i] == StepMark::Marked ? kStepMarked : kStepPlain);
  }
}

void frmCoach::ShowPaneArrangement(const PaneArrangement& arrangement) {
  for (std::size_t i = 0; i < arrangement.rows.size(); ++i) {
    const OptionRow& row = arrangement.rows[i];
    Picture picture = Get(kOptionImage[static_cast<int>(i)]);
    Label label = Get(kOptionLabel[static_cast<int>(i)]);
    if (row.shown) picture.SetBounds(row.picture);
    picture.SetVisible(row.shown);
    label.SetCaption(row.caption);
    label.SetBounds(row.label);
    label.SetVisible(row.shown);
  }
  TopicPane pane = Get(kPane);
  Bounds bounds = pane.GetBounds();
  bounds.height = arrangement.paneHeight;
  pane.SetBounds(bounds);
  pane.SetBackgroundBitmap(arrangement.background);
}

// Measured on the panel in the captions' font, not bold.
TextSize frmCoach::MeasureOptionText(const std::string& text) {
  Font font = Design(kOptionLabel[0]).font;
  font.bold = false;
  return Host().MeasureText(font, text);
}

Bounds frmCoach::OptionPictureBounds(int row) { return Get(kOptionImage[row]).GetBounds(); }

Bounds frmCoach::OptionLabelBounds(int row) { return Get(kOptionLabel[row]).GetBounds(); }

}  // namespace vantor

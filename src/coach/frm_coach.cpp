#include "coach/frm_coach.h"

#include "coach/coach_geometry.h"
#include "coach/frm_coach_design.h"
#include "coach/scan_actions.h"
#include "coach/task_model.h"
#include "common/phase_log.h"
#include "common/text.h"
#include "dialogs/frm_about.h"
#include "placement/placement.h"
#include "settings/settings.h"

namespace vantor {

using namespace coach_controls;

namespace {

constexpr std::int32_t kCoachHelpTopic = 82;

}  // namespace

frmCoach::frmCoach(Program& program, WindowUse use)
    : Form(program.platform, CoachDesign()), program_(program), use_(use) {
  On(kNext, EventKind::Click, [this](int) { GoNext(program_, *this); });
  On(kBack, EventKind::Click, [this](int) { GoBack(program_, *this); });
  On(kDoIt, EventKind::Click, [this](int) { RunDoItAction(program_); });
  On(kCancel, EventKind::Click, [this](int) { Unload(); });
  On(kHelp, EventKind::Click, [this](int) { btn_Help_Click(); });
  for (const ControlArray<Label>& step : {kStepText, kStepNum}) {
    On(step, EventKind::Click,
       [this](int index) { SelectStep(program_, *this, static_cast<std::int16_t>(index)); });
    OnMouse(step, EventKind::MouseMove,
            [this](int index, int, int) { MarkStepLabels(program_, *this, index); });
  }
  On(kDontShowBox, EventKind::Click, [this](int) { SetDontShow(program_, *this); });
  On(kDontShowLabel, EventKind::Click, [this](int) { SetDontShow(program_, *this); });
  On(kOptionImage, EventKind::Click, [this](int index) { btn_Option_Click(index); });
  On(kOptionLabel, EventKind::Click, [this](int index) { btn_Option_Click(index); });
  // Anywhere off the step labels takes the hover mark away.
  const MouseHandler clearMark = [this](int, int, int) { MarkStepLabels(program_, *this, -1); };
  OnMouse(kOptionImage, EventKind::MouseMove, clearMark);
  OnMouse(kOptionLabel, EventKind::MouseMove, clearMark);
  for (const ControlDecl<Picture>& elsewhere : {kDontShowBox, kClearStrip, kPanel})
    OnMouse(elsewhere, EventKind::MouseMove, clearMark);
  OnMouse(kDontShowLabel, EventKind::MouseMove, clearMark);
  OnTimer(kSelectionTimer, [this] { selectCheck_Timer(); });
  On(kBar, EventKind::DblClick, [this](int) { OpenAboutBox(program_, *this); });
}

void frmCoach::Form_Load() {
  Platform& os = program_.platform;
  CoachState& coach = program_.coach;
  if (use_ == WindowUse::Picture) {
    LoadLook();
    return;
  }
  os.SetPointer(Pointer::ArrowHourglass);
  Hide();
  LoadCoachTexts();
  phases::Mark("coach: texts");
  LoadSteps(coach, program_.settings);
  LoadTopics(coach, program_.settings);
  LoadOptionButtonSets(coach, program_.settings);
  ShowStepNames();
  phases::Mark("coach: task (steps, topics, option sets)");
  Pane().SetTitle(JoinPath(os.ProgramFolder(), "Vantor.m14"));
  phases::Mark("coach: help title");
  program_.HelpObject.Create(os);
  phases::Mark("coach: help object");
  os.SetPointer(Pointer::ArrowHourglass);

  const std::string hostTitle = program_.settings.ReadIniString("General", "CallingAppName");
  const WindowHandle host = FindWindowTitled(os, hostTitle);
  if (host > 0 && !os.IsWindowVisible(host)) os.RestoreAndShow(host);
  LayOutCoachWindow();
  phases::Mark("coach: host window, layout");
  PlaceFormBesideWindow(program_, *this, "CoachPosition", kApplyPosition | kApplyZOrder,
                        kShowModeless, hostTitle);
  phases::Mark("coach: placement");

  coach.CurrentStep = 0;
  coach.PreviousTopic = -1;
  coach.CurrentTopic = coach.FirstVisibleTopic;
  ShowCurrentTopic(program_, *this);
  phases::Mark("coach: first topic");
  CoachStartLeft = Left();
  CoachStartTop = Top();
  ResetScanChoices();
  Show();
  NextButton().SetFocus();
  os.SetPointer(Pointer::Default);
  phases::Mark("coach: shown");
}

// The same texts, task and layout as the window the user gets, but no help
// object (so no page acts on the scanning application), no search for the
// scanning application's window and no placement: the window stays where
// it was created, hidden, for the picture taker to place.
void frmCoach::LoadLook() {
  CoachState& coach = program_.coach;
  LoadCoachTexts();
  LoadSteps(coach, program_.settings);
  LoadTopics(coach, program_.settings);
  LoadOptionButtonSets(coach, program_.settings);
  ShowStepNames();
  Pane().SetTitle(JoinPath(program_.platform.ProgramFolder(), "Vantor.m14"));
  LayOutCoachWindow();
  ResetScanChoices();
}

void frmCoach::ResetScanChoices() {
  program_.scan.ChoiceAtTopic6 = -1;
  program_.scan.ChoiceAtTopic7 = -1;
  program_.scan.LastOutputType = -1;
  program_.scan.LastPaletteType = -1;
}

// The page as a walk from the first page would leave it: the step that
// holds the topic marked, nothing chosen on the pages before.
void frmCoach::ShowPageForPicture(std::int16_t topic) {
  CoachState& coach = program_.coach;
  coach.PreviousTopic = -1;
  coach.CurrentTopic = topic;
  coach.CurrentStep = 0;
  for (int s = 0; s < coach.StepCount(); ++s)
    if (coach.steps[s].startTopic <= topic) coach.CurrentStep = static_cast<std::int16_t>(s);
  ShowCurrentTopic(program_, *this);
}

void frmCoach::Form_Unload() {
  if (use_ == WindowUse::Picture) return;
  SaveFormPositionIfMoved(program_, *this, "CoachPosition", CoachStartLeft, CoachStartTop);
  program_.platform.EndNow();
}

void frmCoach::LoadCoachTexts() {
  const Settings& ini = program_.settings;
  const auto text = [&](const char* key) { return ini.ReadIniString("frmCoach Text", key); };
  SetCaption(text("Title"));
  DoItButton().SetCaption(text("DoItButton"));
  NextButton().SetCaption(text("NextButton"));
  BackButton().SetCaption(text("BackButton"));
  BackButton().SetToolTip(text("BackButtonToolTip"));
  CancelButton().SetCaption(text("CancelButton"));
  CancelButton().SetToolTip(text("CancelButtonToolTip"));
  DontShowLabel().SetCaption(text("DontShowLabel"));
  // The picture button and the pane show no text of their own to name them.
  HelpButton().SetAccessibleName(ini.ReadIniText(texts::kHelpButtonName));
  Pane().SetAccessibleName(ini.ReadIniText(texts::kTopicPaneName));
}

void frmCoach::ShowStepNames() {
  const std::vector<CoachStep>& steps = program_.coach.steps;
  for (std::size_t i = 0; i < steps.size(); ++i)
    StepText(static_cast<int>(i)).SetCaption(steps[i].name);
  // Labels without a step would show a number that leads nowhere.
  for (int unused = program_.coach.StepCount(); unused < kMaxSteps; ++unused) {
    StepText(unused).SetVisible(false);
    StepNum(unused).SetVisible(false);
  }
}

void frmCoach::btn_Option_Click(int index) { SelectOption(program_, *this, index); }

void frmCoach::btn_Help_Click() {
  OpenHelpTopic(program_.platform, Host().Handle(), kCoachHelpTopic);
}

void frmCoach::selectCheck_Timer() {
  if (!program_.HelpObject.SelectionValid()) return;
  if (DoItButton().Visible()) DoItButton().SetEnabled(true);
  NextButton().SetEnabled(true);
  SelectionTimer().Stop();
}

}  // namespace vantor

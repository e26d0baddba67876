#include "coach/frm_coach.h"

#include "coach/coach_geometry.h"
#include "coach/frm_coach_design.h"
#include "coach/scan_actions.h"
#include "coach/task_model.h"
#include "coach/topic_pane.h"
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

std::unique_ptr<frmCoach> MakeCoachWindow(Program& program, WindowUse use) {
  return std::make_unique<frmCoach>(program, use);
}

frmCoach::frmCoach(Program& program, WindowUse use)
    : Form(program.platform, CoachDesign()), program_(program), use_(use) {
  On(kNext, EventKind::Click, [this](int) { GoNext(program_.Coach(), *this); });
  On(kBack, EventKind::Click, [this](int) { GoBack(program_.Coach(), *this); });
  On(kDoIt, EventKind::Click, [this](int) { RunDoItAction(program_.Coach(), *this); });
  On(kCancel, EventKind::Click, [this](int) { Unload(); });
  On(kHelp, EventKind::Click, [this](int) { btn_Help_Click(); });
  for (const ControlArray<Label>& step : {kStepText, kStepNum}) {
    On(step, EventKind::Click, [this](int index) {
      SelectStep(program_.Coach(), *this, static_cast<std::int16_t>(index));
    });
    OnMouse(step, EventKind::MouseMove,
            [this](int index, int, int) { MarkStepLabels(program_.coach, *this, index); });
  }
  On(kDontShowBox, EventKind::Click, [this](int) { SetDontShow(program_.Coach(), *this); });
  On(kDontShowLabel, EventKind::Click, [this](int) { SetDontShow(program_.Coach(), *this); });
  On(kOptionImage, EventKind::Click, [this](int index) { btn_Option_Click(index); });
  On(kOptionLabel, EventKind::Click, [this](int index) { btn_Option_Click(index); });
  // Anywhere off the step labels takes the hover mark away.
  const MouseHandler clearMark = [this](int, int, int) {
    MarkStepLabels(program_.coach, *this, -1);
  };
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
  if (use_ == WindowUse::Picture) {
    LoadLook();
    return;
  }
  os.SetPointer(Pointer::ArrowHourglass);
  Hide();
  LoadCoachTexts();
  phases::Mark("coach: texts");
  LoadTask();
  ShowStepNames();
  phases::Mark("coach: task (steps, topics, option sets)");
  Get(kPane).SetTitle(JoinPath(os.ProgramFolder(), "Vantor.m14"));
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

  OpenAtFirstTopic(program_.Coach(), *this);
  phases::Mark("coach: first topic");
  CoachStartLeft = Left();
  CoachStartTop = Top();
  Show();
  Get(kNext).SetFocus();
  os.SetPointer(Pointer::Default);
  phases::Mark("coach: shown");
}

// The same texts, task and layout as the window the user gets, but no help
// object (so no page acts on the scanning application), no search for the
// scanning application's window and no placement: the window stays where
// it was created, hidden, for the picture taker to place.
void frmCoach::LoadLook() {
  LoadCoachTexts();
  LoadTask();
  ShowStepNames();
  Get(kPane).SetTitle(JoinPath(program_.platform.ProgramFolder(), "Vantor.m14"));
  LayOutCoachWindow();
  ResetScanChoices(program_.scan);
}

// The option rows' places and captions do not change after load: they are
// measured and arranged here once, for every page.
void frmCoach::LoadTask() {
  CoachState& coach = program_.coach;
  LoadSteps(coach, program_.settings);
  LoadTopics(coach, program_.settings);
  LoadOptionButtonSets(coach, program_.settings);
  coach.panes = ArrangeEverySet(coach, *this);
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
  ShowCurrentTopic(program_.Coach(), *this);
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
  Get(kDoIt).SetCaption(text("DoItButton"));
  Get(kNext).SetCaption(text("NextButton"));
  Get(kBack).SetCaption(text("BackButton"));
  Get(kBack).SetToolTip(text("BackButtonToolTip"));
  Get(kCancel).SetCaption(text("CancelButton"));
  Get(kCancel).SetToolTip(text("CancelButtonToolTip"));
  Get(kDontShowLabel).SetCaption(text("DontShowLabel"));
  // The picture button and the pane show no text of their own to name them.
  Get(kHelp).SetAccessibleName(ini.ReadIniText(texts::kHelpButtonName));
  Get(kPane).SetAccessibleName(ini.ReadIniText(texts::kTopicPaneName));
}

void frmCoach::ShowStepNames() {
  const std::vector<CoachStep>& steps = program_.coach.steps;
  for (std::size_t i = 0; i < steps.size(); ++i)
    Get(kStepText[static_cast<int>(i)]).SetCaption(steps[i].name);
  // Labels without a step would show a number that leads nowhere.
  for (int unused = program_.coach.StepCount(); unused < kMaxSteps; ++unused) {
    Get(kStepText[unused]).SetVisible(false);
    Get(kStepNum[unused]).SetVisible(false);
  }
}

void frmCoach::btn_Option_Click(int index) { SelectOption(program_.Coach(), *this, index); }

void frmCoach::btn_Help_Click() {
  OpenHelpTopic(program_.platform, Host().Handle(), kCoachHelpTopic);
}

void frmCoach::selectCheck_Timer() {
  if (const auto look = PollSelection(program_.HelpObject)) ShowTopicAction(*look);
}

}  // namespace vantor

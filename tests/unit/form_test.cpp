// Declared controls: array IDs, handlers checked against the design table
// when the window is built, and the dialog skeleton's rows and captions.
#include <set>
#include <stdexcept>

#include "coach/frm_coach_design.h"
#include "dialogs/dialog.h"
#include "sim_fixture.h"
#include "video/frm_run_avi_design.h"
#include "videosource/frm_nocd.h"

namespace vantor::testing {
namespace {

constexpr ControlDecl<Button> kGo{"btn_Go", 700};
constexpr ControlDecl<Button> kGone{"btn_Gone", 701};
constexpr ControlArray<Label> kRows{"lbl_Row", 710, 3};
constexpr ControlDecl<Timer> kTick{"tmr_Tick"};
// The third element's ID, worked out while compiling.
static_assert(kRows[2].id == 712 && kRows[2].index == 2);

// A window whose table holds Go, the tick and `rows` of the three rows;
// `wire` registers its handlers as a window's constructor does.
class Probe : public Form {
 public:
  template <class Wire>
  Probe(Platform& platform, int rows, Wire wire) : Form(platform, Design(rows)) {
    wire(*this);
  }
  using Form::Get;
  using Form::On;
  using Form::OnMouse;
  using Form::OnTimer;

 private:
  static FormSpec Design(int rows) {
    FormSpec design = FormDesign("frmProbe", 0, 0);
    design.controls = {DesignRow(kGo, ControlKind::Button, {0, 0, 10, 10}),
                       DesignRow(kTick, ControlKind::Timer, {})};
    for (int i = 0; i < rows; ++i)
      design.controls.push_back(DesignRow(kRows[i], ControlKind::Label, {0, 20 * i, 10, 10}));
    return design;
  }
};

using FormTest = SimTest;

TEST_F(FormTest, AnArrayElementCarriesItsIdUpToTheLastAndNoFurther) {
  EXPECT_EQ(kRows[0].id, 710);
  EXPECT_EQ(kRows[2].id, 712);  // the last
  EXPECT_EQ(kRows[2].index, 2);
  EXPECT_THROW(kRows[3], std::out_of_range);  // one past
  EXPECT_THROW(kRows[-1], std::out_of_range);
  EXPECT_EQ(coach_controls::kStepNum[kMaxSteps - 1].id, 250 + kMaxSteps - 1);
  EXPECT_THROW(coach_controls::kStepNum[kMaxSteps], std::out_of_range);
  EXPECT_THROW(video_controls::kClip[kClipLabels], std::out_of_range);
}

TEST_F(FormTest, AHandlerForAControlTheWindowLacksFailsWhenTheWindowIsBuilt) {
  const auto message = [&](auto wire) -> std::string {
    try {
      Probe probe(sim, 3, wire);
    } catch (const std::logic_error& e) {
      return e.what();
    }
    return "built";
  };
  EXPECT_EQ(message([](Probe& p) { p.On(kGo, EventKind::Click, [](int) {}); }), "built");
  EXPECT_EQ(message([](Probe& p) { p.On(kGone, EventKind::Click, [](int) {}); }),
            "form frmProbe has no control btn_Gone");
  EXPECT_EQ(message([](Probe& p) { p.OnMouse(kGone, EventKind::MouseMove, {}); }),
            "form frmProbe has no control btn_Gone");
  // Only a timer ticks, and a timer is not clicked.
  EXPECT_EQ(message([](Probe& p) { p.On(kGo, EventKind::Timer, [](int) {}); }),
            "form frmProbe: btn_Go cannot have that event");
  EXPECT_EQ(message([](Probe& p) { p.On(kTick, EventKind::Click, [](int) {}); }),
            "form frmProbe: tmr_Tick cannot have that event");
}

TEST_F(FormTest, AnArrayHandlerNeedsEveryElementTheDeclarationCounts) {
  const auto builds = [&](int rows) {
    try {
      Probe probe(sim, rows, [](Probe& p) { p.On(kRows, EventKind::Click, [](int) {}); });
      return std::string("built");
    } catch (const std::logic_error& e) {
      return std::string(e.what());
    }
  };
  EXPECT_EQ(builds(3), "built");
  EXPECT_EQ(builds(2), "form frmProbe has no control lbl_Row(2)");  // the last one missing
  EXPECT_EQ(builds(0), "form frmProbe has no control lbl_Row(0)");
}

TEST_F(FormTest, HandlersGetTheElementTheEventCameFrom) {
  std::vector<std::string> seen;
  Probe probe(sim, 3, [&](Probe& p) {
    p.On(kGo, EventKind::Click, [&](int index) { seen.push_back("go " + std::to_string(index)); });
    p.On(kRows, EventKind::Click,
         [&](int index) { seen.push_back("row " + std::to_string(index)); });
    p.OnTimer(kTick, [&] { seen.push_back("tick"); });
  });
  probe.Load();
  sim::SimFormHost& window = *sim.FindForm("frmProbe");
  window.Click(kGo);
  window.Click(kRows[2]);
  window.Click(kRows[0]);
  window.MouseMove(kRows[1]);  // no handler for moves: nothing
  probe.Get(kTick).Start(50);
  sim.Advance(50);
  EXPECT_EQ(seen, (std::vector<std::string>{"go -1", "row 2", "row 0", "tick"}));
}

// No two controls of a window share an ID: a tool driving the window by ID
// would reach the wrong one.
TEST_F(FormTest, EveryFixedIdIsUsedOnceInItsWindow) {
  for (const FormSpec& design : {CoachDesign(), RunAviDesign(), NoCDDesign()}) {
    std::set<int> ids;
    for (const ControlSpec& control : design.controls) {
      if (control.id == 0) continue;
      EXPECT_TRUE(ids.insert(control.id).second) << design.name << " " << control.name;
    }
    EXPECT_FALSE(ids.empty()) << design.name;
  }
}

// The skeleton's OK and Cancel: Enter and Escape, and the system's own IDs
// for buttons that have none of their own.
TEST_F(FormTest, OkAndCancelRowsTakeTheSystemIdsOnlyWithoutTheirOwn) {
  const ControlSpec ok = OkRow({"btn_OK"}, {});
  EXPECT_TRUE(ok.isDefault);
  EXPECT_FALSE(ok.isCancel);
  EXPECT_EQ(ok.dialogButton, DialogButton::Ok);
  const ControlSpec ownOk = OkRow({"btn_OK", 305}, {});
  EXPECT_EQ(ownOk.id, 305);
  EXPECT_EQ(ownOk.dialogButton, DialogButton::None);
  const ControlSpec cancel = CancelRow({"btn_Cancel"}, {});
  EXPECT_TRUE(cancel.isCancel);
  EXPECT_FALSE(cancel.isDefault);
  EXPECT_EQ(cancel.dialogButton, DialogButton::Cancel);
  EXPECT_EQ(CancelRow({"btn_Cancel", 306}, {}).dialogButton, DialogButton::None);
}

constexpr ControlDecl<Button> kOk{"btn_OK"};
constexpr ControlDecl<Button> kCancel{"btn_Cancel"};
constexpr ControlDecl<Label> kNote{"lbl_Note"};

// A dialog with OK and a Cancel row that is its Cancel only when asked.
class ProbeDialog : public Dialog {
 public:
  ProbeDialog(Program& program, bool withCancel)
      : Dialog(program, Design(), &kOk, withCancel ? &kCancel : nullptr) {}

 private:
  static FormSpec Design() {
    FormSpec design = FormDesign("frmProbe", 0, 0);
    design.controls = {OkRow(kOk, {}), CancelRow(kCancel, {}),
                       DesignRow(kNote, ControlKind::Label, {})};
    return design;
  }
  void Form_Load() override {
    ShowButtonCaptions();
    Get(kNote).SetCaption(Text("Note"));
  }
};

TEST_F(FormTest, TheSkeletonCaptionsItsButtonsAndReadsItsOwnSection) {
  WriteIni("[All Forms Text]\nOKButton=Fine\nCancelButton=Never mind\n[frmProbe Text]\nNote=Hi\n");
  for (bool withCancel : {true, false}) {
    ProbeDialog dialog(program, withCancel);
    dialog.Load();
    sim::SimFormHost& window = *sim.FindForm("frmProbe");
    EXPECT_EQ(window.Control(kOk).text, "Fine");
    EXPECT_EQ(window.Control(kNote).text, "Hi");
    EXPECT_EQ(window.Control(kCancel).text, withCancel ? "Never mind" : "");
    dialog.Unload();
  }
}

}  // namespace
}  // namespace vantor::testing

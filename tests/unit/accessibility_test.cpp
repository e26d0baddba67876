// What a screen reader is told of the coach and the video window, and
// where the keys take the focus and what they do: the design tables' roles,
// labels and tab order, and the state the windows' logic sets.
#include "platform/accessibility.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "coach/frm_coach_design.h"
#include "topics/reading_text.h"
#include "video/frm_run_avi_design.h"
#include "video_fixture.h"

namespace vantor::testing {
namespace {

using R = AccessibleRole;
constexpr unsigned kFocusable = kStateFocusable;
constexpr unsigned kItem = kStateFocusable | kStateSelectable;

// A control of either window as the focus reports it: name and index.
using Ref = std::pair<std::string, int>;
template <class T>
Ref Named(const ControlDecl<T>& control) {
  return {control.name, control.index};
}
struct AnyControl {
  template <class T>
  AnyControl(const ControlDecl<T>& control) : ref(Named(control)) {}
  Ref ref;
};

struct Expected {
  AnyControl control;
  AccessibleRole role;
  const char* name;
  unsigned state;
  const char* action;
};

std::string Describe(const Expected& e) {
  return e.control.ref.first + "(" + std::to_string(e.control.ref.second) + ")";
}

void ExpectFacts(const sim::SimFormHost& window, const std::vector<Expected>& table) {
  for (const Expected& e : table) {
    const AccessibleFacts facts = window.Accessible(e.control.ref.first, e.control.ref.second);
    EXPECT_EQ(RoleName(facts.role), RoleName(e.role)) << Describe(e);
    EXPECT_EQ(facts.name, e.name) << Describe(e);
    EXPECT_EQ(StateNames(facts.state), StateNames(e.state)) << Describe(e);
    EXPECT_EQ(facts.defaultAction, e.action) << Describe(e);
  }
}

// The output-type page of the scanning task: the third step, eight options.
class CoachAccessTest : public CoachTest {
 protected:
  void OpenAt(std::int32_t topic, IniText ini = ScanTask()) {
    ini.Set("frmCoach Text", "DontShowLabel", "Skip this page");
    OpenCoach(ini);
    NextTo(topic);
  }
  std::pair<std::string, int> Focus() { return Window().Focused(); }
  // Tab pressed until the focus comes back where it was; every stop.
  std::vector<std::pair<std::string, int>> TabRound(Key key = Key::Tab) {
    const auto start = Focus();
    std::vector<std::pair<std::string, int>> stops;
    for (int n = 0; n < 40; ++n) {
      Window().PressKey(key);
      stops.push_back(Focus());
      if (stops.back() == start) break;
    }
    return stops;
  }
};

TEST_F(CoachAccessTest, TheOutputTypePageAsAScreenReaderReadsIt) {
  OpenAt(8);
  Window().Click(coach_controls::kOptionImage[3]);
  ExpectFacts(
      Window(),
      {
          {coach_controls::kStepText[1], R::ListItem, "Preview", kItem, "Select"},
          {coach_controls::kStepText[2], R::ListItem, "Output", kItem | kStateSelected, "Select"},
          {coach_controls::kStepNum[2], R::StaticText, "2", 0, ""},
          {coach_controls::kPane, R::Document, "Help text", kFocusable | kStateReadOnly, ""},
          {coach_controls::kOptionImage[2], R::RadioButton, "C", kFocusable, "Check"},
          {coach_controls::kOptionImage[3], R::RadioButton, "D", kFocusable | kStateChecked,
           "Check"},
          {coach_controls::kOptionLabel[3], R::StaticText, "D", 0, ""},
          {coach_controls::kDontShowBox, R::CheckBox, "Skip this page", kStateInvisible, "Check"},
          {coach_controls::kDoIt, R::PushButton, "Do It", kFocusable, "Press"},
          {coach_controls::kHelp, R::PushButton, "Help", kFocusable, "Press"},
          {coach_controls::kNext, R::PushButton, "Next >", kFocusable | kStateFocused, "Press"},
      });
}

TEST_F(CoachAccessTest, TheSettingsNameThePictureButtonAndThePane) {
  OpenAt(0, ScanTask()
                .Set("frmCoach Text", "HelpButtonName", "Hilfe")
                .Set("frmCoach Text", "TopicPaneName", "Seite"));
  EXPECT_EQ(Window().Accessible(coach_controls::kHelp).name, "Hilfe");
  EXPECT_EQ(Window().Accessible(coach_controls::kPane).name, "Seite");
}

TEST_F(CoachAccessTest, TabGoesDownThePanelThenAlongTheBarAndBack) {
  OpenAt(8);
  Window().Click(coach_controls::kOptionImage[5]);
  const std::vector<std::pair<std::string, int>> forward = {Named(coach_controls::kCancel),
                                                            Named(coach_controls::kStepText[1]),
                                                            Named(coach_controls::kStepText[2]),
                                                            Named(coach_controls::kPane),
                                                            Named(coach_controls::kOptionImage[5]),
                                                            Named(coach_controls::kDoIt),
                                                            Named(coach_controls::kHelp),
                                                            Named(coach_controls::kBack),
                                                            Named(coach_controls::kNext)};
  EXPECT_EQ(TabRound(), forward);
  std::vector<std::pair<std::string, int>> backward(forward.rbegin() + 1, forward.rend());
  backward.push_back(Named(coach_controls::kNext));
  EXPECT_EQ(TabRound(Key::ShiftTab), backward);
}

TEST_F(CoachAccessTest, TheDontShowBoxIsReachedWhereItIsOfferedAndSpaceTicksIt) {
  OpenAt(3);
  Window().PressKey(Key::ShiftTab);  // from Next: Back, Help, then the box
  Window().PressKey(Key::ShiftTab);
  Window().PressKey(Key::ShiftTab);
  ASSERT_EQ(Focus(), Named(coach_controls::kDontShowBox));
  Window().PressKey(Key::Space);
  EXPECT_EQ(Window().Accessible(coach_controls::kDontShowBox).state,
            kFocusable | kStateFocused | kStateChecked);
  EXPECT_EQ(sim.writes.back(), "coachTopic3/HideTopic=1");
  Window().PressKey(Key::Space);
  EXPECT_EQ(sim.writes.back(), "coachTopic3/HideTopic=0");
  EXPECT_EQ(Window().Accessible(coach_controls::kDontShowBox).defaultAction, "Check");
}

TEST_F(CoachAccessTest, ArrowsMoveTheChoiceRoundTheShownOptions) {
  OpenAt(7);  // five options shown of eight rows
  Window().Click(coach_controls::kOptionImage[0]);
  Window().SetFocus(coach->Find(coach_controls::kOptionImage[0]));
  struct Step {
    Key key;
    int chosen;
  };
  for (const Step& step :
       {Step{Key::Down, 1}, Step{Key::Right, 2}, Step{Key::Down, 3}, Step{Key::Down, 4},
        Step{Key::Down, 0}, Step{Key::Up, 4}, Step{Key::Left, 3}}) {
    Window().PressKey(step.key);
    EXPECT_EQ(program.coach.SelectedOption, step.chosen);
    EXPECT_EQ(MarkedOption(), step.chosen);
    EXPECT_EQ(Focus(), Named(coach_controls::kOptionImage[step.chosen]));
  }
}

TEST_F(CoachAccessTest, EnterOnAStepLabelJumpsToItsStepAndEnterOnAButtonPressesIt) {
  OpenAt(8);
  Window().SetFocus(coach->Find(coach_controls::kStepText[1]));
  Window().PressKey(Key::Down);  // moves the focus only
  EXPECT_EQ(Topic(), 8);
  EXPECT_EQ(Focus(), Named(coach_controls::kStepText[2]));
  Window().PressKey(Key::Up);
  Window().PressKey(Key::Up);  // step 0 has no label: the focus stays
  EXPECT_EQ(Focus(), Named(coach_controls::kStepText[1]));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(Topic(), 2);
  EXPECT_TRUE(Window().Accessible(coach_controls::kStepText[1]).state & kStateSelected);
  EXPECT_FALSE(Window().Accessible(coach_controls::kStepText[2]).state & kStateSelected);
  Window().SetFocus(coach->Find(coach_controls::kNext));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(Topic(), 3);
}

TEST_F(CoachAccessTest, BackOnTheSecondPageGreysItselfAndPassesTheFocusOnToNext) {
  OpenAt(1);
  Window().PressKey(Key::ShiftTab);
  ASSERT_EQ(Focus(), Named(coach_controls::kBack));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(Topic(), 0);
  EXPECT_EQ(Focus(), Named(coach_controls::kNext));
}

TEST_F(CoachAccessTest, KeysOnThePaneScrollIt) {
  OpenAt(0);
  Window().SetFocus(coach->Find(coach_controls::kPane));
  for (Key key : {Key::Down, Key::PageDown, Key::End, Key::Up, Key::PageUp, Key::Home})
    Window().PressKey(key);
  EXPECT_EQ(std::count(Window().trace().begin(), Window().trace().end(), "scroll MediaView"), 6);
  Window().PressKey(Key::Space);  // nothing to press on the pane
  EXPECT_EQ(Topic(), 0);
}

class VideoAccessTest : public VideoTest {
 protected:
  VideoAccessTest() {
    program.startup.MoviesPath = "D:\\Clips";
    sim.drives.AddDrive('d', DriveKind::Fixed);
    for (int i = 0; i < 3; ++i) {
      const std::string clip = "D:\\Clips\\clip" + std::to_string(i) + ".avi";
      sim.drives.AddFile(clip);
      sim.mci.AddClip(clip, 320, 240, 3000);
    }
  }
  std::pair<std::string, int> Focus() { return Window().Focused(); }
};

TEST_F(VideoAccessTest, TheKeyboardPlaysAndStopsAClipAndTheReaderHearsWhichOne) {
  program.startup.SelectedClip = -1;
  OpenVideo();
  // Quit has the focus first; with no clip chosen Play and Stop are greyed.
  EXPECT_EQ(Focus(), Named(video_controls::kQuit));
  ExpectFacts(
      Window(),
      {
          {video_controls::kClip[0], R::ListItem, "Scanning", kItem, "Select"},
          {video_controls::kPlay, R::PushButton, "Play it", kStateUnavailable, ""},
          {video_controls::kStop, R::PushButton, "Stop it", kStateUnavailable, ""},
          {video_controls::kQuit, R::PushButton, "Quit", kFocusable | kStateFocused, "Press"},
          {video_controls::kSurface, R::Animation, "", kStateInvisible, ""},
      });
  Window().PressKey(Key::Tab);
  EXPECT_EQ(Focus(), Named(video_controls::kClip[0]));
  Window().PressKey(Key::Down);
  Window().PressKey(Key::Space);
  EXPECT_EQ(program.startup.SelectedClip, 1);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_EQ(Window().Accessible(video_controls::kClip[1]).state,
            kItem | kStateSelected | kStateFocused);
  // Named by the pause picture's tool tip while the clip plays.
  EXPECT_EQ(Window().Accessible(video_controls::kPlay).name, "Hold it");
  Window().PressKey(Key::Down);
  Window().PressKey(Key::Down);  // the last clip: the focus stays
  EXPECT_EQ(Focus(), Named(video_controls::kClip[2]));
  Window().PressKey(Key::Tab);
  Window().PressKey(Key::Tab);
  Window().PressKey(Key::Tab);
  ASSERT_EQ(Focus(), Named(video_controls::kStop));
  Window().PressKey(Key::Space);
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  EXPECT_FALSE(Window().Accessible(video_controls::kClip[1]).state & kStateSelected);
  // Stop greys itself: the focus moves on, round to the list.
  EXPECT_EQ(Focus(), Named(video_controls::kClip[0]));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(program.startup.SelectedClip, 0);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
}

TEST_F(VideoAccessTest, PictureButtonsAreNamedByTheirToolTipsElseByTheSettings) {
  struct Case {
    const char* playTip;
    const char* pauseTip;
    const char* pauseName;
    const char* named;
  };
  for (const Case& c : {Case{"Play it", "Pause it", "", "Pause it"},
                        Case{"Play it", "", "", "Pause"}, Case{"", "", "Halt", "Halt"}}) {
    IniText ini = ClipList({"Scanning"});
    ini.Set("frmRUNAVI Text", "StartButtonToolTip", c.playTip)
        .Set("frmRUNAVI Text", "PauseButtonToolTip", c.pauseTip)
        .Set("frmRUNAVI Text", "PauseButtonName", c.pauseName)
        .Set("frmRUNAVI Text", "StopButtonToolTip", "");
    program.startup.SelectedClip = 0;
    OpenVideo(ini);
    EXPECT_EQ(Window().Accessible(video_controls::kPlay).name, c.named) << c.named;
    EXPECT_EQ(Window().Accessible(video_controls::kStop).name, "Stop");
    EXPECT_TRUE(Ends([&] { video->Unload(); }));
  }
}

// The rules themselves, on a small window: names, and Tab over hidden,
// greyed and grouped controls.
TEST(AccessibilityRules, TheNameComesFromTheLabelThenCaptionThenToolTipThenTheWindow) {
  ControlSpec picture = DesignRow({"pic"}, ControlKind::Image, {});
  picture.role = AccessibleRole::CheckBox;
  struct Case {
    const char* label;
    const char* caption;
    const char* tip;
    const char* own;
    const char* name;
  };
  for (const Case& c :
       {Case{"Label", "Cap", "Tip", "Own", "Label"},
        Case{"", "&Quit && go", "Tip", "Own", "Quit & go"}, Case{"", "", "Tip", "Own", "Tip"},
        Case{"", "", "", "Own", "Own"}, Case{"", "", "", "", ""}, Case{"", "a&", "", "", "a&"}}) {
    ControlNow now;
    now.labelCaption = c.label;
    now.caption = c.caption;
    now.toolTip = c.tip;
    now.name = c.own;
    EXPECT_EQ(vantor::Describe(picture, now).name, c.name);
  }
  ControlNow greyed;
  greyed.enabled = false;
  greyed.checked = true;
  const AccessibleFacts facts = vantor::Describe(picture, greyed);
  EXPECT_EQ(facts.state, kStateUnavailable | kStateChecked);  // not focusable: not a tab stop
  EXPECT_EQ(facts.defaultAction, "");
}

TEST(AccessibilityRules, TabSkipsWhatCannotTakeTheFocusAndEntersAGroupAtItsChoice) {
  FormSpec form;
  form.controls = {DesignRow({"a"}, ControlKind::Button, {}),
                   DesignRow({"o"}, ControlKind::OptionButton, {}),
                   DesignRow({"p"}, ControlKind::OptionButton, {}),
                   DesignRow({"q"}, ControlKind::OptionButton, {}),
                   DesignRow({"lbl"}, ControlKind::Label, {}),
                   DesignRow({"b"}, ControlKind::Button, {})};
  std::vector<bool> usable(6, true);
  std::vector<bool> checked(6, false);
  const FocusScene scene{[&](ControlId id) { return static_cast<bool>(usable[id]); },
                         [&](ControlId id) { return static_cast<bool>(checked[id]); }};
  checked[2] = true;
  EXPECT_EQ(NextTabStop(form, kFormItself, false, scene), 0);
  EXPECT_EQ(NextTabStop(form, kFormItself, true, scene), 5);
  EXPECT_EQ(NextTabStop(form, 0, false, scene), 2);  // the chosen option
  EXPECT_EQ(NextTabStop(form, 2, false, scene), 5);  // out of the group, past the label
  EXPECT_EQ(NextTabStop(form, 5, true, scene), 2);
  EXPECT_EQ(NextTabStop(form, 5, false, scene), 0);  // round the end
  usable[2] = false;  // the chosen one greyed: the first one Tab meets
  EXPECT_EQ(NextTabStop(form, 0, false, scene), 1);
  EXPECT_EQ(NextTabStop(form, 5, true, scene), 3);
  EXPECT_EQ(NeighbourInArray(form, 3, false, true, scene), 1);  // round, past the greyed one
  EXPECT_EQ(NeighbourInArray(form, 3, false, false, scene), kFormItself);
  usable.assign(6, false);
  EXPECT_EQ(NextTabStop(form, 0, false, scene), kFormItself);
  form.tabOrder = {"b", "a"};
  usable.assign(6, true);
  EXPECT_EQ(NextTabStop(form, 5, false, scene), 0);
  EXPECT_EQ(NextTabStop(form, 0, false, scene), 5);
}

// What a screen reader reads of a topic: every block on a line of its own,
// items with the pane's bullet, bold marks gone, blank blocks left out.
TEST(TopicReadingText, EveryBlockOnALineOfItsOwn) {
  struct Case {
    const char* title;
    const char* read;
  };
  for (const Case& c : {
           Case{
               "@topic t\n= Head\nSome **bold** words\nwrapped.\n\n* One\n* Two\n  more\n",
               "Head\r\nSome bold words wrapped.\r\n\xE2\x80\xA2 One\r\n\xE2\x80\xA2 Two more\r\n"},
           Case{"@topic t\n# only a comment\n", ""},
           Case{"@topic t\n=\n*\nText\n", "Text\r\n"},
           Case{"@topic t\nA ** lone mark\n", "A ** lone mark\r\n"},
       }) {
    const topics::HelpTitle title = topics::HelpTitle::Parse(c.title);
    ASSERT_NE(title.Find("t"), nullptr) << c.title;
    EXPECT_EQ(topics::ReadingText(*title.Find("t")), c.read) << c.title;
  }
}

}  // namespace
}  // namespace vantor::testing

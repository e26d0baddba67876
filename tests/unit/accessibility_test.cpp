// What a screen reader is told of the coach and the video window, and
// where the keys take the focus and what they do: the design tables' roles,
// labels and tab order, and the state the windows' logic sets.
#include "platform/accessibility.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "topics/reading_text.h"
#include "video_fixture.h"

namespace vantor::testing {
namespace {

using R = AccessibleRole;
constexpr unsigned kFocusable = kStateFocusable;
constexpr unsigned kItem = kStateFocusable | kStateSelectable;

struct Expected {
  const char* control;
  int index;
  AccessibleRole role;
  const char* name;
  unsigned state;
  const char* action;
};

std::string Describe(const Expected& e) {
  return std::string(e.control) + "(" + std::to_string(e.index) + ")";
}

void ExpectFacts(const sim::SimFormHost& window, const std::vector<Expected>& table) {
  for (const Expected& e : table) {
    const AccessibleFacts facts = window.Accessible(e.control, e.index);
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
  Window().Click("btn_Option", 3);
  ExpectFacts(Window(),
              {
                  {"btn_StepText", 1, R::ListItem, "Preview", kItem, "Select"},
                  {"btn_StepText", 2, R::ListItem, "Output", kItem | kStateSelected, "Select"},
                  {"btn_StepNum", 2, R::StaticText, "2", 0, ""},
                  {"MediaView", -1, R::Document, "Help text", kFocusable | kStateReadOnly, ""},
                  {"btn_Option", 2, R::RadioButton, "C", kFocusable, "Check"},
                  {"btn_Option", 3, R::RadioButton, "D", kFocusable | kStateChecked, "Check"},
                  {"lbl_Option", 3, R::StaticText, "D", 0, ""},
                  {"chk_DontShow", -1, R::CheckBox, "Skip this page", kStateInvisible, "Check"},
                  {"btn_DoIt", -1, R::PushButton, "Do It", kFocusable, "Press"},
                  {"btn_Help", -1, R::PushButton, "Help", kFocusable, "Press"},
                  {"btn_Next", -1, R::PushButton, "Next >", kFocusable | kStateFocused, "Press"},
              });
}

TEST_F(CoachAccessTest, TheSettingsNameThePictureButtonAndThePane) {
  OpenAt(0, ScanTask()
                .Set("frmCoach Text", "HelpButtonName", "Hilfe")
                .Set("frmCoach Text", "TopicPaneName", "Seite"));
  EXPECT_EQ(Window().Accessible("btn_Help").name, "Hilfe");
  EXPECT_EQ(Window().Accessible("MediaView").name, "Seite");
}

TEST_F(CoachAccessTest, TabGoesDownThePanelThenAlongTheBarAndBack) {
  OpenAt(8);
  Window().Click("btn_Option", 5);
  const std::vector<std::pair<std::string, int>> forward = {
      {"btn_Cancel", -1}, {"btn_StepText", 1}, {"btn_StepText", 2},
      {"MediaView", -1},  {"btn_Option", 5},   {"btn_DoIt", -1},
      {"btn_Help", -1},   {"btn_Back", -1},    {"btn_Next", -1}};
  EXPECT_EQ(TabRound(), forward);
  std::vector<std::pair<std::string, int>> backward(forward.rbegin() + 1, forward.rend());
  backward.push_back({"btn_Next", -1});
  EXPECT_EQ(TabRound(Key::ShiftTab), backward);
}

TEST_F(CoachAccessTest, TheDontShowBoxIsReachedWhereItIsOfferedAndSpaceTicksIt) {
  OpenAt(3);
  Window().PressKey(Key::ShiftTab);  // from Next: Back, Help, then the box
  Window().PressKey(Key::ShiftTab);
  Window().PressKey(Key::ShiftTab);
  ASSERT_EQ(Focus(), std::make_pair(std::string("chk_DontShow"), -1));
  Window().PressKey(Key::Space);
  EXPECT_EQ(Window().Accessible("chk_DontShow").state, kFocusable | kStateFocused | kStateChecked);
  EXPECT_EQ(sim.writes.back(), "coachTopic3/HideTopic=1");
  Window().PressKey(Key::Space);
  EXPECT_EQ(sim.writes.back(), "coachTopic3/HideTopic=0");
  EXPECT_EQ(Window().Accessible("chk_DontShow").defaultAction, "Check");
}

TEST_F(CoachAccessTest, ArrowsMoveTheChoiceRoundTheShownOptions) {
  OpenAt(7);  // five options shown of eight rows
  Window().Click("btn_Option", 0);
  Window().SetFocus(coach->Find("btn_Option", 0));
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
    EXPECT_EQ(Focus(), std::make_pair(std::string("btn_Option"), step.chosen));
  }
}

TEST_F(CoachAccessTest, EnterOnAStepLabelJumpsToItsStepAndEnterOnAButtonPressesIt) {
  OpenAt(8);
  Window().SetFocus(coach->Find("btn_StepText", 1));
  Window().PressKey(Key::Down);  // moves the focus only
  EXPECT_EQ(Topic(), 8);
  EXPECT_EQ(Focus(), std::make_pair(std::string("btn_StepText"), 2));
  Window().PressKey(Key::Up);
  Window().PressKey(Key::Up);  // step 0 has no label: the focus stays
  EXPECT_EQ(Focus(), std::make_pair(std::string("btn_StepText"), 1));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(Topic(), 2);
  EXPECT_TRUE(Window().Accessible("btn_StepText", 1).state & kStateSelected);
  EXPECT_FALSE(Window().Accessible("btn_StepText", 2).state & kStateSelected);
  Window().SetFocus(coach->Find("btn_Next"));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(Topic(), 3);
}

TEST_F(CoachAccessTest, BackOnTheSecondPageGreysItselfAndPassesTheFocusOnToNext) {
  OpenAt(1);
  Window().PressKey(Key::ShiftTab);
  ASSERT_EQ(Focus(), std::make_pair(std::string("btn_Back"), -1));
  Window().PressKey(Key::Enter);
  EXPECT_EQ(Topic(), 0);
  EXPECT_EQ(Focus(), std::make_pair(std::string("btn_Next"), -1));
}

TEST_F(CoachAccessTest, KeysOnThePaneScrollIt) {
  OpenAt(0);
  Window().SetFocus(coach->Find("MediaView"));
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
  EXPECT_EQ(Focus(), std::make_pair(std::string("btn_quit"), -1));
  ExpectFacts(Window(),
              {
                  {"lbl_RunAVI", 0, R::ListItem, "Scanning", kItem, "Select"},
                  {"btn_Play", -1, R::PushButton, "Play it", kStateUnavailable, ""},
                  {"btn_Stop", -1, R::PushButton, "Stop it", kStateUnavailable, ""},
                  {"btn_quit", -1, R::PushButton, "Quit", kFocusable | kStateFocused, "Press"},
                  {"Picture3", -1, R::Animation, "", kStateInvisible, ""},
              });
  Window().PressKey(Key::Tab);
  EXPECT_EQ(Focus(), std::make_pair(std::string("lbl_RunAVI"), 0));
  Window().PressKey(Key::Down);
  Window().PressKey(Key::Space);
  EXPECT_EQ(program.startup.SelectedClip, 1);
  EXPECT_EQ(program.video.PlayState, PlayState::Play);
  EXPECT_EQ(Window().Accessible("lbl_RunAVI", 1).state, kItem | kStateSelected | kStateFocused);
  // Named by the pause picture's tool tip while the clip plays.
  EXPECT_EQ(Window().Accessible("btn_Play").name, "Hold it");
  Window().PressKey(Key::Down);
  Window().PressKey(Key::Down);  // the last clip: the focus stays
  EXPECT_EQ(Focus(), std::make_pair(std::string("lbl_RunAVI"), 2));
  Window().PressKey(Key::Tab);
  Window().PressKey(Key::Tab);
  Window().PressKey(Key::Tab);
  ASSERT_EQ(Focus(), std::make_pair(std::string("btn_Stop"), -1));
  Window().PressKey(Key::Space);
  EXPECT_EQ(program.video.PlayState, PlayState::Stop);
  EXPECT_FALSE(Window().Accessible("lbl_RunAVI", 1).state & kStateSelected);
  // Stop greys itself: the focus moves on, round to the list.
  EXPECT_EQ(Focus(), std::make_pair(std::string("lbl_RunAVI"), 0));
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
    EXPECT_EQ(Window().Accessible("btn_Play").name, c.named) << c.named;
    EXPECT_EQ(Window().Accessible("btn_Stop").name, "Stop");
    EXPECT_TRUE(Ends([&] { video->Unload(); }));
  }
}

// The rules themselves, on a small window: names, and Tab over hidden,
// greyed and grouped controls.
TEST(AccessibilityRules, TheNameComesFromTheLabelThenCaptionThenToolTipThenTheWindow) {
  ControlSpec picture = DesignRow("pic", ControlKind::Image, {});
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
  form.controls = {
      DesignRow("a", ControlKind::Button, {}),       DesignRow("o", ControlKind::OptionButton, {}),
      DesignRow("p", ControlKind::OptionButton, {}), DesignRow("q", ControlKind::OptionButton, {}),
      DesignRow("lbl", ControlKind::Label, {}),      DesignRow("b", ControlKind::Button, {})};
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

// The coach window's geometry: the step list spread over the panel, the
// step names' widths and fonts, the button bar following Next's size, and
// a client area of exactly 425 pixels whatever frame the desktop draws.
#include "coach_fixture.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

class CoachLayoutTest : public CoachTest {
 protected:
  // A task of `count` steps over the usual ten topics. The simulated
  // desktop measures 24-point text 37 pixels high.
  static IniText Steps(int count) {
    IniText ini = ScanTask();
    for (int s = 0; s < count; ++s)
      ini.Set("coachStep" + std::to_string(s), "BUTTON", "Step " + std::to_string(s))
          .Set("coachStep" + std::to_string(s), "StartTopic", std::to_string(s));
    ini.Set("coachStep" + std::to_string(count), "BUTTON", "");
    return ini;
  }
  int NumberTop(int i) { return C(kStepNum[i]).design.bounds.top; }
  template <class T>
  Bounds At(const ControlDecl<T>& control) {
    return C(control).design.bounds;
  }
};

TEST_F(CoachLayoutTest, SixStepsStandOneGapApart) {
  OpenCoach(Steps(6));
  const std::vector<int> tops = {NumberTop(0), NumberTop(1), NumberTop(2),
                                 NumberTop(3), NumberTop(4), NumberTop(5)};
  EXPECT_EQ(tops, (std::vector<int>{-12, 50, 112, 174, 236, 298}));
  for (int i = 0; i < kMaxSteps; ++i) EXPECT_EQ(C(kStepNum[i]).design.bounds.height, 37);
  // 12-point names (the caption bar is 19 pixels) measure 19 pixels: the
  // name is 47.5, rounded to 48, high and starts 23 pixels above the
  // number's foot.
  const Bounds name = C(kStepText[1]).design.bounds;
  EXPECT_EQ(name.left, 8);
  EXPECT_EQ(name.height, 48);
  EXPECT_EQ(name.top, 50 + 37 - 23);
}

TEST_F(CoachLayoutTest, TwoStepsLeaveTheOneLabelLowerDown) {
  OpenCoach(Steps(2));
  EXPECT_EQ(NumberTop(1), 150);  // a gap of 373 / 5 = 74.6, rounded to 75
}

TEST_F(CoachLayoutTest, LongStepNamesWrapInsideAFixedWidth) {
  sim.textWidths = {{"Step 1", 110}, {"Step 2", 115}, {"Step 3", 120}};
  OpenCoach(Steps(4));
  EXPECT_EQ(C(kStepText[1]).design.bounds.width, 120);
  EXPECT_EQ(C(kStepText[2]).design.bounds.width, 125);
  EXPECT_EQ(C(kStepText[3]).design.bounds.width, 115);
}

// The simulated desktop measures by characters: a name of five letters
// is as wide whether each letter takes one byte or two.
TEST_F(CoachLayoutTest, StepNamesAreMeasuredByCharactersNotBytes) {
  IniText ini = Steps(3);
  ini.Set("coachStep1", "BUTTON", "Step1")
      .Set("coachStep2", "BUTTON", "\xD0\xA8\xD0\xB0\xD0\xB3 1");
  OpenCoach(ini);
  // 12-point bold: 11 pixels a character, and 10 more.
  EXPECT_EQ(C(kStepText[1]).design.bounds.width, 5 * 11 + 10);
  EXPECT_EQ(C(kStepText[2]).design.bounds.width, 5 * 11 + 10);
}

TEST_F(CoachLayoutTest, TallCaptionBarsGetSmallerStepNames) {
  for (int caption : {20, 21}) {
    SCOPED_TRACE(caption);
    sim.captionHeight = caption;
    OpenCoach(Steps(3));
    const Font font = C(kStepText[1]).design.font;
    EXPECT_EQ(font.name, "Arial");
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.pointSize, caption > 20 ? 10 : 12);
  }
}

TEST_F(CoachLayoutTest, TheButtonBarFollowsTheSizeOfNext) {
  OpenCoach();
  EXPECT_EQ(At(kBar).height, 35);
  EXPECT_EQ(Window().ClientHeight(), 437);
  EXPECT_EQ(At(kBack).left, 149);
  EXPECT_EQ(At(kNext).left, 233);
  EXPECT_EQ(At(kDoIt).top, 374);  // 370 + 4.5, halves to even

  // A desktop that makes Next 40 pixels high: every button 96 x 32.
  C(kNext).design.bounds.height = 40;
  coach->LayOutCoachWindow();
  for (const ControlDecl<Button>& button : {kNext, kBack, kCancel, kDoIt}) {
    SCOPED_TRACE(button.name);
    EXPECT_EQ(At(button).width, 96);
    EXPECT_EQ(At(button).height, 32);
  }
  EXPECT_EQ(At(kBar).height, 44);
  EXPECT_EQ(Window().ClientHeight(), 446);
  EXPECT_EQ(At(kDoIt).top, 370);
  EXPECT_EQ(At(kHelp).top, 10);  // (44 - 23) / 2, halves to even
  EXPECT_EQ(At(kBack).left + 96, At(kNext).left);
  EXPECT_EQ(At(kNext).left + 96 + 18, At(kCancel).left);
}

TEST_F(CoachLayoutTest, TheClientAreaIs425WideWhateverTheFrame) {
  for (int border : {0, 3, 9}) {
    SCOPED_TRACE(border);
    sim.frameBorder = border;
    sim.captionHeight = 30;
    OpenCoach();
    EXPECT_EQ(Window().ClientWidth(), 425);
    EXPECT_EQ(Window().ClientHeight(), 437);
    EXPECT_EQ(At(kCancel).left + At(kCancel).width, 425 - 6);
    EXPECT_EQ(At(kBar).width, 425);
  }
}

TEST_F(CoachLayoutTest, TheFixedPartsKeepTheirPlaces) {
  OpenCoach();
  const auto bounds = [&](const auto& name) {
    const Bounds b = At(name);
    return std::vector<int>{b.left, b.top, b.width, b.height};
  };
  EXPECT_EQ(bounds(kPanel), (std::vector<int>{0, 0, 425, 410}));
  EXPECT_EQ(bounds(kBar), (std::vector<int>{0, 402, 425, 35}));
  EXPECT_EQ(bounds(kDontShowBox), (std::vector<int>{137, 379, 14, 14}));
  EXPECT_EQ(At(kDontShowLabel).left, 158);
  EXPECT_EQ(bounds(kHelp), (std::vector<int>{6, 6, 22, 23}));
  EXPECT_EQ(bounds(kClearStrip), (std::vector<int>{95, 0, 30, 410}));
  // The strip is raised over the step names, so that it gets the pointer.
  std::vector<std::string> raised;
  for (const std::string& event : Window().trace())
    if (event.starts_with("front ")) raised.push_back(event);
  EXPECT_EQ(raised, std::vector<std::string>{"front img_ClearButtons"});
}

}  // namespace
}  // namespace vantor::testing

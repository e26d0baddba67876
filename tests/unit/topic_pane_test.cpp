// The option rows under the topic pane: their places, two-line captions and
// the pane's height and background. The simulated desktop measures "AAA"
// in the option font (Arial 10) as 16 pixels high, 8 pixels a character.
#include "coach/topic_pane.h"

#include "coach_fixture.h"

namespace vantor::testing {

using namespace coach_controls;
namespace {

class TopicPaneTest : public CoachTest {
 protected:
  void ShowTopic6(IniText task) {
    OpenCoach(task);
    NextTo(6);
  }
  int ButtonTop(int i) { return C(kOptionImage[i]).design.bounds.top; }
  Bounds LabelBounds(int i) { return C(kOptionLabel[i]).design.bounds; }
};

TEST_F(TopicPaneTest, RowsStackUnderAShortenedPane) {
  ShowTopic6(ScanTask());
  EXPECT_EQ(ButtonTop(0), 260);
  EXPECT_EQ(ButtonTop(1), 280);
  EXPECT_EQ(ButtonTop(2), 300);
  EXPECT_EQ(C(kOptionImage[2]).design.bounds.left, 131);
  const Bounds label = LabelBounds(0);
  EXPECT_EQ(label.left, 149);
  EXPECT_EQ(label.width, 266);
  EXPECT_EQ(label.top, 258);
  EXPECT_EQ(label.height, 16);
  EXPECT_EQ(C(kPane).design.bounds.height, 250);
  EXPECT_EQ(C(kPane).pane.backgroundBitmap, "!mvbackWH.bmp");
  EXPECT_FALSE(C(kOptionImage[7]).visible);  // set 0 has seven captions

  Next();
  Next();
  Next();  // topic 9: no set
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(C(kOptionLabel[i]).visible);
  EXPECT_EQ(C(kOptionLabel[0]).text, "");
  EXPECT_EQ(C(kPane).design.bounds.height, 370);
  EXPECT_EQ(C(kPane).pane.backgroundBitmap, "!mvback37.bmp");
}

TEST_F(TopicPaneTest, ALongCaptionTakesTwoLinesAndPushesLaterRowsDown) {
  ShowTopic6(ScanTask().Set("OptionButtons0", "OptionButtonText0", std::string(34, 'w')));
  EXPECT_EQ(LabelBounds(0).height, 32);
  EXPECT_EQ(ButtonTop(1), 296);
  EXPECT_EQ(ButtonTop(2), 316);
  EXPECT_EQ(LabelBounds(1).height, 16);
}

// The labels are 266 pixels wide: a caption of exactly that width is one line.
TEST_F(TopicPaneTest, ACaptionAsWideAsItsLabelStaysOnOneLine) {
  sim.textWidths["Fits"] = 266;
  sim.textWidths["Too wide"] = 267;
  ShowTopic6(ScanTask()
                 .Set("OptionButtons0", "OptionButtonText0", "Fits")
                 .Set("OptionButtons0", "OptionButtonText1", "Too wide"));
  EXPECT_EQ(LabelBounds(0).width, 266);
  EXPECT_EQ(LabelBounds(0).height, 16);
  EXPECT_EQ(ButtonTop(1), 280);
  EXPECT_EQ(LabelBounds(1).height, 32);
  EXPECT_EQ(ButtonTop(2), 316);
}

TEST_F(TopicPaneTest, AnEmptyFirstOptionKeepsTheFullPaneAndTheOtherRowsInPlace) {
  ShowTopic6(ScanTask().Set("OptionButtons0", "OptionButtonText0", ""));
  EXPECT_FALSE(C(kOptionImage[0]).visible);
  EXPECT_EQ(ButtonTop(1), 280);
  EXPECT_EQ(ButtonTop(2), 300);
  EXPECT_EQ(C(kPane).design.bounds.height, 370);
  EXPECT_EQ(C(kPane).pane.backgroundBitmap, "!mvback37.bmp");
}

}  // namespace
}  // namespace vantor::testing

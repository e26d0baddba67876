// The video window's geometry: the list column following its widest label
// up to a cap, the rows one pitch apart, the instruction block right of the
// list, and a 630 x 429 client area whatever frame the desktop draws. The
// simulated desktop measures 12-point Arial bold 19 pixels high and
// 18-point Times New Roman bold 28 pixels high, 15 pixels a character.
#include "video/video_layout.h"

#include "common/numbers.h"

#include "video_fixture.h"

namespace vantor::testing {

using namespace video_controls;
namespace {

class VideoLayoutTest : public VideoTest {};

// Measures too large for their 16-bit fields are held at the field's ends,
// never wrapped; those that fit round halves to even.
TEST(Measure16, RoundsHalvesToEvenAndHoldsAtTheFieldsEnds) {
  EXPECT_EQ(Measure16(9.5), 10);
  EXPECT_EQ(Measure16(32767.0), 32767);
  EXPECT_EQ(Measure16(32767.5), 32767);  // rounds to 32768, one past the field
  EXPECT_EQ(Measure16(1e9), 32767);
  EXPECT_EQ(Measure16(-32768.0), -32768);
  EXPECT_EQ(Measure16(-32769.0), -32768);
}

TEST_F(VideoLayoutTest, TheListColumnFollowsTheWidestLabelUpTo220) {
  // Measured width -> label width (7% wider, halves to even) -> column.
  const struct {
    int measured, label, column;
  } cases[] = {{140, 150, 160}, {196, 210, 220}, {197, 211, 220}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.measured);
    sim.textWidths = {{"Only", c.measured}};
    OpenVideo(ClipList({"Only"}));
    EXPECT_EQ(video->WidestClipLabel(), c.label);
    EXPECT_EQ(At(kClip[0]).width, c.label);
    EXPECT_EQ(program.video.ListColumnWidth, c.column);
  }
  // A list of one blank entry has no visible label to measure.
  OpenVideo(ClipList({" "}));
  EXPECT_EQ(video->WidestClipLabel(), 0);
  EXPECT_EQ(program.video.ListColumnWidth, 10);
}

TEST_F(VideoLayoutTest, RowsStandOnePitchApartAndTheInstructionsBeside) {
  OpenVideo();
  EXPECT_EQ(video->ListTextHeight(), 19);
  // Rows 22.8 -> 23 high, 28.5 -> 28 apart (halves to even).
  EXPECT_EQ(Numbers(At(kClip[0])), (std::vector<int>{10, 38, 94, 23}));
  EXPECT_EQ(At(kClip[1]).top, 66);
  EXPECT_EQ(Numbers(At(kClip[2])), (std::vector<int>{10, 94, 71, 23}));
  // "Pick a clip" (165 wide) is the wider caption: the block is 257.5 -> 258
  // wide, starts a quarter of the free 526 pixels right of the 104-pixel
  // column, and 7 rows down.
  EXPECT_EQ(program.video.ListColumnWidth, 104);
  EXPECT_EQ(Numbers(At(kInstruction1)), (std::vector<int>{171, 161, 248, 28}));
  EXPECT_EQ(Numbers(At(kInstruction2)), (std::vector<int>{171, 203, 248, 28}));
  EXPECT_EQ(Numbers(At(kLine1)), (std::vector<int>{233, 241, 196, 0}));
  EXPECT_EQ(Numbers(At(kLine2)), (std::vector<int>{429, 185, 0, 57}));
  EXPECT_EQ(C(kInstruction2).design.font.name, "Times New Roman");
}

TEST_F(VideoLayoutTest, TheInstructionBlockStaysInsideThePanel) {
  // Beside a 160-pixel column 470 pixels are free: a block of 470 (470.5,
  // halves to even) fits, one of 472 is cut to 450.
  EXPECT_EQ(Numbers(PlaceInstructions(28, 307, 160, 23).first),
            (std::vector<int>{160, 161, 460, 28}));
  EXPECT_EQ(Numbers(PlaceInstructions(28, 308, 160, 23).first),
            (std::vector<int>{165, 161, 440, 28}));
  // A block of 24-pixel lines is 70 high: at row 45 it ends exactly at the
  // panel's foot (315 + 70) and stays; one row lower it moves to three
  // quarters of the 315 pixels above it (236.25).
  EXPECT_EQ(PlaceInstructions(24, 100, 160, 45).first.top, 315);
  EXPECT_EQ(PlaceInstructions(24, 100, 160, 46).first.top, 236);
}

TEST_F(VideoLayoutTest, TheClientAreaIs630By429WhateverTheFrame) {
  for (int border : {0, 3, 9}) {
    SCOPED_TRACE(border);
    sim.frameBorder = border;
    sim.captionHeight = 30;
    OpenVideo();
    EXPECT_EQ(Window().ClientWidth(), 630);
    EXPECT_EQ(Window().ClientHeight(), 429);
    EXPECT_EQ(Window().Width(), (630 + 2 * border) * 15);
    EXPECT_EQ(Window().Height(), (429 + 2 * border + 30) * 15);
    EXPECT_EQ(Numbers(At(kBar)), (std::vector<int>{0, 385, 630, 44}));
    // Play and Stop touch, 5 pixels from the right edge.
    EXPECT_EQ(Numbers(At(kPlay)), (std::vector<int>{561, 6, 32, 32}));
    EXPECT_EQ(Numbers(At(kStop)), (std::vector<int>{593, 6, 32, 32}));
  }
}

TEST_F(VideoLayoutTest, TallCaptionBarsGetATenPointList) {
  for (int caption : {20, 21}) {
    SCOPED_TRACE(caption);
    sim.captionHeight = caption;
    OpenVideo();
    EXPECT_EQ(C(kClip[1]).design.font.pointSize, caption > 20 ? 10 : 12);
    EXPECT_EQ(video->ListTextHeight(), caption > 20 ? 16 : 19);
  }
}

TEST_F(VideoLayoutTest, TheQuitButtonIsCentredInTheBarAndHeldTo32High) {
  OpenVideo();
  EXPECT_EQ(Numbers(At(kQuit)), (std::vector<int>{6, 10, 84, 25}));  // 9.5 -> 10
  // A desktop that makes the button 40 pixels high: 96 x 32.
  C(kQuit).design.bounds.height = 40;
  video->LayOutVideoWindow();
  EXPECT_EQ(Numbers(At(kQuit)), (std::vector<int>{6, 6, 96, 32}));
}

}  // namespace
}  // namespace vantor::testing

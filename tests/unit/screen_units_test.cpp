#include <gtest/gtest.h>

#include "common/numbers.h"

namespace vantor {
namespace {

TEST(ScreenUnits, TwipsPerPixelAreWholeAndRoundedByTheRule) {
  EXPECT_EQ(TwipsPerPixelOf(kTwipsPerInch, 96), 15);
  EXPECT_EQ(TwipsPerPixelOf(kTwipsPerInch, 120), 12);
  EXPECT_EQ(TwipsPerPixelOf(kTwipsPerInch, 144), 10);
  EXPECT_EQ(TwipsPerPixelOf(15360, 1024), 15);
  EXPECT_EQ(TwipsPerPixelOf(25, 2), 12);  // 12.5
  EXPECT_EQ(TwipsPerPixelOf(27, 2), 14);  // 13.5
  EXPECT_EQ(TwipsPerPixelOf(15360, 0), kDesignTwipsPerPixel);
}

TEST(ScreenUnits, TwipsBecomeWholePixelsHalvesToEven) {
  EXPECT_EQ(TwipsToPixels(4065, 15), 271);
  EXPECT_EQ(TwipsToPixels(1890, 15), 126);
  EXPECT_EQ(TwipsToPixels(4065, 10), 406);  // 406.5
  EXPECT_EQ(TwipsToPixels(4075, 10), 408);  // 407.5
  EXPECT_EQ(TwipsToPixels(150, 0), 10);     // no scale measured: the design's
  EXPECT_EQ(Px(-2.5), -2);
}

TEST(ScreenUnits, TheOuterSizeKeepsTheFrameAroundTheWantedClientArea) {
  // 431 pixels outside and 425 inside: a frame of 6.
  EXPECT_EQ(OuterTwipsForClient(6465, 425, 425, 15), 6465);
  EXPECT_EQ(OuterTwipsForClient(6465, 425, 300, 15), 306 * 15);
  EXPECT_EQ(OuterTwipsForClient(4310, 425, 300, 10), 3060);
  // A frame that is not whole in pixels is kept as it is.
  EXPECT_EQ(OuterTwipsForClient(6472, 425, 300, 15), 306 * 15 + 7);
}

}  // namespace
}  // namespace vantor

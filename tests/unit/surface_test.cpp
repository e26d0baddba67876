// The multimedia layer's rectangle reply read word by word, and the video
// surface centred in the free part of the picture panel.
#include <gtest/gtest.h>

#include "video/playback.h"

namespace vantor::testing {
namespace {

TEST(TakeNextWord, SplitsOffOneWordWithItsBlank) {
  std::string reply = "0 0 320 240";
  EXPECT_EQ(TakeNextWord(reply), "0 ");
  EXPECT_EQ(TakeNextWord(reply), "0 ");
  EXPECT_EQ(TakeNextWord(reply), "320 ");
  EXPECT_EQ(TakeNextWord(reply), "240");
  EXPECT_EQ(reply, "");
  EXPECT_EQ(TakeNextWord(reply), "");

  std::string sentence = "the clip ended.";
  EXPECT_EQ(TakeNextWord(sentence), "the ");
  EXPECT_EQ(TakeNextWord(sentence), "clip ");
  EXPECT_EQ(TakeNextWord(sentence), "ended");
  EXPECT_EQ(sentence, ".");
  EXPECT_EQ(TakeNextWord(sentence), ".");  // too short to split
  EXPECT_EQ(sentence, "");

  // Only a mark that ends the text is split off.
  std::string inner = "a. b";
  EXPECT_EQ(TakeNextWord(inner), "a. ");
}

TEST(SurfaceSizeOfReply, TakesTheThirdAndFourthNumbers) {
  const SurfaceSize size = SurfaceSizeOfReply("0 0 320 240");
  EXPECT_EQ(size.width, 320);
  EXPECT_EQ(size.height, 240);
  // A failed command leaves no reply: an empty surface.
  EXPECT_EQ(SurfaceSizeOfReply("").width, 0);
  EXPECT_EQ(SurfaceSizeOfReply("0 0 64").height, 0);
  // Words are read by their leading number; nothing negative or beyond 16 bits.
  const SurfaceSize odd = SurfaceSizeOfReply("0 0 12.5px -40");
  EXPECT_EQ(odd.width, 12);
  EXPECT_EQ(odd.height, 0);
  EXPECT_EQ(SurfaceSizeOfReply("0 0 32767 32768").width, 32767);
  EXPECT_EQ(SurfaceSizeOfReply("0 0 32767 32768").height, 32767);
}

TEST(CentreSurface, CentresRightOfTheListAndNeverGoesNegative) {
  const Bounds panel{0, 0, 630, 385};
  const Bounds centred = CentreSurface(panel, 320, 240, 150);
  EXPECT_EQ(centred.left, 230);
  EXPECT_EQ(centred.top, 72);
  EXPECT_EQ(centred.width, 320);
  EXPECT_EQ(centred.height, 240);

  // The free area is 480 wide: 481 would stand at 149.5, which rounds to the even 150.
  EXPECT_EQ(CentreSurface(panel, 480, 240, 150).left, 150);
  EXPECT_EQ(CentreSurface(panel, 481, 240, 150).left, 150);
  EXPECT_EQ(CentreSurface(panel, 483, 240, 150).left, 148);
  // Wider than the whole panel and taller than it: pinned to the corner.
  EXPECT_EQ(CentreSurface(panel, 1000, 240, 150).left, 0);
  EXPECT_EQ(CentreSurface(panel, 320, 386, 150).top, 0);
  EXPECT_EQ(CentreSurface(panel, 320, 385, 150).top, 0);
  EXPECT_EQ(CentreSurface(panel, 320, 383, 150).top, 1);
}

}  // namespace
}  // namespace vantor::testing

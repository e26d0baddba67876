// The simulation's multimedia layer: the clip device the playback tests
// run on answers, plays and fails like the real one.
#include <gtest/gtest.h>

#include "platform/sim/sim_multimedia.h"

namespace vantor::testing {
namespace {

// The fake device answers as the real layer was measured to.
TEST(FakeMciDevice, FailsLikeTheRealLayer) {
  sim::FakeMciDevice mci([] { return 0LL; });
  mci.AddClip("C:\\clips\\a b.avi", 64, 48, 500);
  // Unquoted, the blank cuts the path short of its extension.
  EXPECT_EQ(mci.SendCommand("open C:\\clips\\a b.avi alias V", 0).code,
            sim::mci::kExtensionNotFound);
  EXPECT_EQ(mci.SendCommand("open \"C:\\CLIPS\\A B.AVI\" alias V", 0).code, 0u);
  EXPECT_EQ(mci.SendCommand("open \"C:\\clips\\a b.avi\" alias v", 0).code,
            sim::mci::kDuplicateAlias);
  EXPECT_EQ(mci.SendCommand("where V destination", 9).code, sim::mci::kParamOverflow);
  EXPECT_EQ(mci.SendCommand("where V destination", 10).reply, "0 0 64 48");

  mci.FailCommand("PLAY", 0x1234);
  EXPECT_EQ(mci.SendCommand("play V", 0).code, 0x1234u);
  mci.FailCommand("play", 0);
  EXPECT_EQ(mci.SendCommand("play V", 0).code, 0u);
  EXPECT_EQ(mci.sent.size(), 7u);
}

}  // namespace
}  // namespace vantor::testing

// The simulation's multimedia layer: the clip device the playback tests
// run on answers, plays and fails like the real one.
#include <gtest/gtest.h>

#include "platform/sim/sim_multimedia.h"

namespace vantor::testing {
namespace {

// The fake device answers as the real layer was measured to.
TEST(FakeMciDevice, AnswersAndFailsLikeTheRealLayer) {
  long long now = 0;
  sim::FakeMciDevice mci([&] { return now; });
  mci.AddClip("C:\\clips\\a b.avi", 64, 48, 500);
  EXPECT_EQ(mci.SendCommand("open C:\\clips\\a b.avi alias V", 0).code,
            sim::mci::kExtensionNotFound);
  EXPECT_EQ(mci.SendCommand("open C:\\clips\\none.avi alias V", 0).code, sim::mci::kFileNotFound);
  EXPECT_EQ(mci.SendCommand("play V", 0).code, sim::mci::kInvalidDeviceName);
  EXPECT_EQ(mci.SendCommand("open \"C:\\CLIPS\\A B.AVI\" alias V", 0).code, 0u);
  EXPECT_EQ(mci.SendCommand("open \"C:\\clips\\a b.avi\" alias v", 0).code,
            sim::mci::kDuplicateAlias);
  EXPECT_EQ(mci.SendCommand("where V destination", 9).code, sim::mci::kParamOverflow);
  EXPECT_EQ(mci.SendCommand("where V destination", 10).reply, "0 0 64 48");
  EXPECT_EQ(mci.SendCommand("where V destination", 0).reply, "");

  mci.FailCommand("PLAY", 0x1234);
  EXPECT_EQ(mci.SendCommand("play V", 0).code, 0x1234u);
  mci.FailCommand("play", 0);
  EXPECT_EQ(mci.SendCommand("play V", 0).code, 0u);
  now = 499;
  EXPECT_EQ(mci.SendCommand("status V mode", 255).reply, "playing");
  now = 500;
  EXPECT_EQ(mci.SendCommand("status V mode", 255).reply, "stopped");
  EXPECT_EQ(mci.SendCommand("close all", 0).code, 0u);
  EXPECT_EQ(mci.ModeOf("V"), "");
  EXPECT_EQ(mci.sent.size(), 13u);
  EXPECT_FALSE(mci.ErrorText(0x1234).has_value());
}

}  // namespace
}  // namespace vantor::testing

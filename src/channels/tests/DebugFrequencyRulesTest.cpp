#include <gtest/gtest.h>

#include "channels/DebugFrequencyRules.h"

namespace kvd {
namespace {

using namespace DebugFrequencyRules;

TEST(DebugFrequencyRules, ReceiveGoesToTheRasterThatMovesItLeast) {
    EXPECT_EQ(SnapReceive("145.009"), "145.00625");
    EXPECT_EQ(SnapReceive("145.0062"), "145.00500");
    EXPECT_EQ(SnapReceive("145.00625"), "145.00625");
    EXPECT_EQ(SnapReceive("145.005"), "145.00500");
    EXPECT_EQ(SnapReceive("no number"), "0.00000");
    EXPECT_EQ(SnapReceive("146x"), "146.00000");
    EXPECT_EQ(SnapReceive(""), "");
}

TEST(DebugFrequencyRules, TransmitFollowsTheReceiveRaster) {
    EXPECT_EQ(SnapTransmit("145.012", "145.00625"), "145.00625");
    EXPECT_EQ(SnapTransmit("145.012", "145.00500"), "145.01000");
    EXPECT_EQ(SnapTransmit("", "145.00500"), "145.00500");
    EXPECT_TRUE(CanEditTransmit("145.00500"));
    EXPECT_FALSE(CanEditTransmit(""));
}

}  // namespace
}  // namespace kvd

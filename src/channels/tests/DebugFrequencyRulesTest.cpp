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
    EXPECT_EQ(SnapReceive("146x"), "146.00000");
    EXPECT_EQ(SnapReceive(""), "");
}

TEST(DebugFrequencyRules, TextsKeepThreeIntegerDigitsAndStayWithinTheImage) {
    EXPECT_EQ(SnapReceive("no number"), "000.00000");
    EXPECT_EQ(SnapReceive("-5"), "000.00000");
    EXPECT_EQ(SnapReceive("45.0071"), "045.00625");
    EXPECT_EQ(SnapReceive("999.999"), "999.99500");
    EXPECT_EQ(SnapReceive("1000"), std::nullopt);
    EXPECT_EQ(SnapReceive(std::string(400, '9')), std::nullopt);
    EXPECT_EQ(SnapTransmit("1234.5", "145.00500"), std::nullopt);
    EXPECT_EQ(SnapTransmit("99.0031", "145.00500"), "099.00000");
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

#include <gtest/gtest.h>

#include "image/HexText.h"
#include "image/Raster.h"

namespace kvd {
namespace {

TEST(HexHelpers, ByteAndWordForms) {
    EXPECT_EQ(HexByte(0), "00");
    EXPECT_EQ(HexByte(0x0A), "0A");
    EXPECT_EQ(HexByte(255), "FF");
    EXPECT_EQ(HexByte(670), "29E") << "nothing is cut";
    EXPECT_EQ(HexWord(-1), "FFFF");
    EXPECT_EQ(HexWord(0x13), "0013");
    EXPECT_EQ(HexWord(300), "012C");
}

TEST(HexHelpers, BitsAndBack) {
    EXPECT_EQ(HexToBits("F8"), "11111000");
    EXPECT_EQ(HexToBits("0A"), "00001010");
    EXPECT_EQ(BitsToHex("11110000"), "F0");
    EXPECT_EQ(BitsToHex("1111111111"), "3FF") << "ten bits are padded to twelve";
    EXPECT_EQ(BitsToHex("1x1"), "5") << "only the character 1 counts";
    for (int v = 0; v < 256; ++v) {
        EXPECT_EQ(BitsToHex(HexToBits(HexByte(v))), HexByte(v));
    }
}

TEST(HexHelpers, ImageTextShortOrInvalidReadsAsErased) {
    auto bytes = ImageTextToBytes("0A1BZZ3", 5);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x0A, 0x1B, 0xFF, 0xFF, 0xFF}));
    const std::uint8_t raw[] = {0x00, 0x9E, 0xFF};
    EXPECT_EQ(BytesToImageText(raw), "009EFF");
}

TEST(SnapFrequency, LowersToTheNearerRasterPointBelow) {
    EXPECT_DOUBLE_EQ(SnapFrequency("462.56300"), 462.5625);
    EXPECT_DOUBLE_EQ(SnapFrequency("462.55200"), 462.55) << "equal remainders go to 6.25 kHz";
    EXPECT_DOUBLE_EQ(SnapFrequency("462.56250"), 462.5625);
    EXPECT_DOUBLE_EQ(SnapFrequency("145.53120"), 145.53);
    EXPECT_DOUBLE_EQ(SnapFrequency("145.52610"), 145.525);
    EXPECT_DOUBLE_EQ(SnapFrequency("145.51870"), 145.515);
    EXPECT_DOUBLE_EQ(SnapFrequency("173.99999"), 173.995);
    EXPECT_DOUBLE_EQ(SnapFrequency("136.00000"), 136.0);
}

TEST(FloatRemainder, TestsAValueAgainstAChannelStep) {
    EXPECT_NEAR(FloatRemainder(0.005, 145.009), 0.004, 1e-9);
    EXPECT_NEAR(FloatRemainder(0.00625, 145.009), 0.00275, 1e-9);
    EXPECT_NEAR(FloatRemainder(0.005, 145.0062), 0.0012, 1e-9);
    EXPECT_NEAR(FloatRemainder(0.00625, 145.0062), 0.0062, 1e-9);
    EXPECT_EQ(FloatRemainder(0.00625, 145.00625), 0.0) << "a whole quotient at 15 digits is no remainder";
    EXPECT_EQ(FloatRemainder(0.005, 145.005), 0.0);
    EXPECT_EQ(FloatRemainder(0.005, 0.003), 0.003);
    EXPECT_NEAR(FloatRemainder(0.005, 1e15 + 0.5), 0.0, 0.01) << "huge values end";
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("  12x"), 12.0);
    EXPECT_EQ(LeadingNumber("-1"), -1.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("."), 0.0);
}

}  // namespace
}  // namespace kvd

namespace kvd {
namespace {

TEST(RoundDecimalText, RoundsHalfAwayFromZeroOnTheDigits) {
    EXPECT_EQ(RoundDecimalText("145.5312", 5), "145.53120");
    EXPECT_EQ(RoundDecimalText("145.531245", 5), "145.53125");
    EXPECT_EQ(RoundDecimalText("173.999996", 5), "174.00000");
    EXPECT_EQ(RoundDecimalText("9.999995", 5), "10.00000");
    EXPECT_EQ(RoundDecimalText("136", 5), "136.00000");
    EXPECT_EQ(RoundDecimalText("145.", 5), "145.00000");
    EXPECT_EQ(RoundDecimalText(".5", 5), "0.50000");
    EXPECT_EQ(RoundDecimalText("007.5", 1), "7.5");
    EXPECT_EQ(RoundDecimalText("88.55", 1), "88.6");
    EXPECT_EQ(RoundDecimalText("150", 1), "150.0");
    EXPECT_FALSE(RoundDecimalText(".", 5));
    EXPECT_FALSE(RoundDecimalText("", 5));
    EXPECT_FALSE(RoundDecimalText("1.2.3", 5));
    EXPECT_FALSE(RoundDecimalText("-1", 5));
    EXPECT_EQ(SnapFrequencyText("462.56300"), "462.56250");
}

}  // namespace
}  // namespace kvd

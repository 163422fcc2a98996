// The small field codecs of the image and the text helpers beneath them.
#include <gtest/gtest.h>

#include <array>

#include "image/HexText.h"
#include "image/ImageFields.h"
#include "channels/Raster.h"

namespace kvd {
namespace {

using Four = std::array<std::uint8_t, 4>;

TEST(Fields, FrequencyIsPackedBcdLittleEndianWithNibblesUnchecked) {
    const std::pair<Four, const char*> cases[] = {{{0x50, 0x62, 0x25, 0x46}, "462.56250"},
                                                  {{0xFF, 0xFF, 0xFF, 0xFF}, ""},
                                                  {{0xAB, 0xFF, 0xFF, 0xFF}, "FFF.FFFAB"}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(ParseFrequency(bytes), text);
        Four rendered{};
        RenderFrequency(text, rendered);
        EXPECT_EQ(rendered, bytes) << text;
    }
}

// Radio words that no list entry produces come back as the same word.
TEST(Fields, UnusualToneWordsSurviveTheirText) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {0x2013, "D23N"}, {0xA000, "D0I"}, {0x0005, ".5"}, {0xF123, "6173.1"}, {0x8000, "3276.8"}};
    for (auto [word, text] : cases) {
        EXPECT_EQ(ToneText(word), text);
        EXPECT_EQ(ToneWord(text), word) << text;
    }
    EXPECT_EQ(ToneWord("150.0"), 1500) << "a typed tone off the list";
}

TEST(Fields, TextIsOneBytePerCharacterAndKeepsItsWidth) {
    const std::uint8_t bytes[] = {'A', 0xFF, 0xE9, 'B', 0x00, 0xFF};
    EXPECT_EQ(ParseTextField(bytes), std::string("A\u00E9B\0", 5)) << "0xFF is skipped";
    std::array<std::uint8_t, 6> out{};
    RenderTextField("Aé中", out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 6>{'A', 0xE9, '?', 0xFF, 0xFF, 0xFF}));
    RenderTextField("12345678", out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 6>{'1', '2', '3', '4', '5', '6'}));
}

TEST(Helpers, HexAndNumbersInTexts) {
    EXPECT_EQ(HexByte(670), "29E") << "nothing is cut";
    EXPECT_EQ(HexWord(-1), "FFFF");
    EXPECT_EQ(HexToBits("F8"), "11111000");
    EXPECT_EQ(BitsToHex("1111111111"), "3FF") << "ten bits are padded to twelve";
    EXPECT_EQ(BitsToHex("1x1"), "5") << "only the character 1 counts";
    EXPECT_EQ(ImageTextToBytes("0A1BZZ3", 4), (std::vector<std::uint8_t>{0x0A, 0x1B, 0xFF, 0xFF}));
    EXPECT_DOUBLE_EQ(SnapFrequency("462.56300"), 462.5625);
    EXPECT_EQ(FloatRemainder(0.005, 0.003), 0.003);
    EXPECT_NEAR(FloatRemainder(0.005, 1e15 + 0.5), 0.0, 0.01) << "huge values end";
    EXPECT_EQ(LeadingNumber("  12x"), 12.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(RoundDecimalText("9.999995", 5), "10.00000");
    EXPECT_EQ(RoundDecimalText("007.5", 5), "7.50000");
    EXPECT_EQ(RoundDecimalText(".5", 1), "0.5");
    EXPECT_EQ(RoundDecimalText("88.55", 1), "88.6");
    EXPECT_FALSE(RoundDecimalText("-1", 5));
}

}  // namespace
}  // namespace kvd

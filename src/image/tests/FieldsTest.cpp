#include <gtest/gtest.h>

#include <array>

#include "image/ImageFields.h"

namespace kvd {
namespace {

std::string Frequency(std::array<std::uint8_t, 4> b) { return ParseFrequency(b); }

std::array<std::uint8_t, 4> FrequencyBytes(const std::string& text) {
    std::array<std::uint8_t, 4> b{};
    RenderFrequency(text, b);
    return b;
}

TEST(FrequencyField, PackedBcdLittleEndian) {
    EXPECT_EQ(Frequency({0x50, 0x62, 0x25, 0x46}), "462.56250");
    EXPECT_EQ(FrequencyBytes("462.56250"), (std::array<std::uint8_t, 4>{0x50, 0x62, 0x25, 0x46}));
    EXPECT_EQ(Frequency({0xFF, 0xFF, 0xFF, 0xFF}), "");
    EXPECT_EQ(FrequencyBytes(""), (std::array<std::uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Frequency({0xAB, 0xFF, 0xFF, 0xFF}), "FFF.FFFAB") << "nibbles are not checked";
    EXPECT_EQ(FrequencyBytes("FFF.FFFAB"), (std::array<std::uint8_t, 4>{0xAB, 0xFF, 0xFF, 0xFF}));
}

TEST(ToneWord, ListedTonesBothWays) {
    struct Case {
        std::uint16_t word;
        const char* text;
    };
    for (Case c : {Case{0x2813, "D023N"}, Case{0xA9EC, "D754I"}, Case{0x029E, "67.0"}, Case{0x09ED, "254.1"},
                   Case{0x0375, "88.5"}}) {
        EXPECT_EQ(ToneText(c.word), c.text);
        EXPECT_EQ(ToneWord(c.text), c.word) << c.text;
    }
    EXPECT_EQ(ToneWord("Off"), 0xFFFF);
    EXPECT_EQ(ToneWord("关闭"), 0xFFFF);
    EXPECT_EQ(ToneWord(""), 0xFFFF);
    EXPECT_EQ(ToneWord("150.0"), 1500);
}

TEST(ToneWord, UnusualRadioWordsSurviveWhereTheirTextAllowsIt) {
    EXPECT_EQ(ToneText(0x2013), "D23N") << "no marker bit: two octal digits";
    EXPECT_EQ(ToneWord("D23N"), 0x2013);
    EXPECT_EQ(ToneText(0xA000), "D0I");
    EXPECT_EQ(ToneWord("D0I"), 0xA000);
    EXPECT_EQ(ToneText(0x0005), ".5");
    EXPECT_EQ(ToneWord(".5"), 0x0005);
    EXPECT_EQ(ToneText(0xF123), "6173.1");
    EXPECT_EQ(ToneWord("6173.1"), 0xF123);
    EXPECT_EQ(ToneText(0x8000), "3276.8");
    EXPECT_EQ(ToneWord("3276.8"), 0x8000);
}

TEST(TextField, OneBytePerCharacterAndNoCharacterSkipped) {
    const std::uint8_t bytes[] = {'A', 0xFF, 0xE9, 'B', 0x00, 0xFF};
    EXPECT_EQ(ParseTextField(bytes), std::string("A\xC3\xA9" "B") + '\0');
    std::array<std::uint8_t, 6> out{};
    RenderTextField("Aé中", out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 6>{'A', 0xE9, '?', 0xFF, 0xFF, 0xFF}));
    RenderTextField("12345678", out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 6>{'1', '2', '3', '4', '5', '6'})) << "cut to the field";
}

TEST(GroupCode, DigitZeroIsStoredAs3A) {
    const std::uint8_t bytes[] = {0x31, 0x3A, 0x32, 0xFF, 0xFF};
    EXPECT_EQ(ParseGroupCode(bytes), "102");
    std::array<std::uint8_t, 4> out{};
    RenderGroupCode("0*0", out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 4>{0x3A, '*', 0x3A, 0xFF}));
}

}  // namespace
}  // namespace kvd

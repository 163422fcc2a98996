// The value types the image is decoded into, and the text helpers beneath the editors.
#include <gtest/gtest.h>

#include <array>

#include "catalogue/Catalogue.h"
#include "channels/Frequency.h"
#include "channels/Raster.h"
#include "channels/Tone.h"
#include "image/FieldTable.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

namespace kvd {
namespace {

TEST(Fields, FrequencyIsPackedBcdLittleEndianWithNibblesUnchecked) {
    const std::pair<std::uint32_t, const char*> cases[] = {{0x46256250, "462.56250"},
                                                           {0x00000000, "000.00000"},
                                                           {0xFFFFFFAB, "FFF.FFFAB"},
                                                           {0x1A23B4C5, "1A2.3B4C5"},
                                                           {0x99999999, "999.99999"}};
    for (const auto& [packed, text] : cases) {
        const Frequency f = Frequency::FromPacked(packed);
        EXPECT_EQ(FrequencyText(f), text);
        EXPECT_EQ(f.packed(), packed) << text;
        EXPECT_EQ(ParseFrequencyText(text), f) << text;
    }
    EXPECT_EQ(Frequency::FromTens(46256250), Frequency::FromPacked(0x46256250));
    for (const char* bad : {"", "462.5625", "4625.6250", "462,56250", "46x.56250", "FFF.FFFFF"}) {
        EXPECT_FALSE(ParseFrequencyText(bad)) << bad;
    }
}

// Radio words that no list entry produces come back as the same word, with the text the
// radio's own word shows.
TEST(Fields, ToneWordsAndTheirTexts) {
    struct Case {
        std::uint16_t word;
        Tone::Kind kind;
        const char* text;
    };
    using K = Tone::Kind;
    for (Case c : {Case{0xFFFF, K::None, "Off"},
                   {0x029E, K::Ctcss, "67.0"},
                   {0x09ED, K::Ctcss, "254.1"},
                   {0x2813, K::Dcs, "D023N"},
                   {0xA9EC, K::Dcs, "D754I"},
                   {0x2013, K::OtherWord, "D23N"},
                   {0xA000, K::OtherWord, "D0I"},
                   {0x2A13, K::OtherWord, "D023N"},
                   {0x0005, K::Ctcss, ".5"},
                   {0xF123, K::Ctcss, "6173.1"},
                   {0x8000, K::Ctcss, "3276.8"}}) {
        const Tone tone = Tone::FromWord(c.word);
        EXPECT_EQ(tone.kind(), c.kind) << c.text;
        EXPECT_EQ(TextIn(ToneText(tone), kEnglish), c.text);
        EXPECT_EQ(tone.word(), c.word);
    }
    EXPECT_EQ(Tone::Dcs(0754, Tone::Polarity::Inverted), Tone::FromWord(0xA9EC));
    EXPECT_EQ(Tone::FromWord(0xA9EC).dcsCode(), 0754);
}

TEST(Fields, TextIsOneBytePerCharacterAndKeepsItsWidth) {
    const std::size_t at = FieldTable::Of(&Settings::idCode).offset;  // ten characters
    MemoryImage m = EncodeImage(StartupState(kChinese));
    const std::uint8_t bytes[] = {'A', 0xFF, 0xE9, 'B', 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(bytes), std::end(bytes), m.begin() + static_cast<std::ptrdiff_t>(at));
    RadioState s = StartupState(kChinese);
    DecodeImage(m, s);
    EXPECT_EQ(s.settings.idCode, std::string("A\u00E9B\0", 5)) << "0xFF is skipped";

    s.settings.idCode = "Aé中";
    m = EncodeImage(s);
    EXPECT_EQ((std::array<std::uint8_t, 4>{m[at], m[at + 1], m[at + 2], m[at + 3]}),
              (std::array<std::uint8_t, 4>{'A', 0xE9, '?', 0xFF}));
    s.settings.idCode = "12345678901234";
    m = EncodeImage(s);
    EXPECT_EQ(m[at + 9], '0');
    EXPECT_EQ(m[at + 10], 0xFF) << "the next field is untouched";
}

TEST(Helpers, RasterAndNumbersInTexts) {
    EXPECT_EQ(SnapToRaster(46256300), 46256250u);
    EXPECT_EQ(SnapToRaster(46255200), 46255000u);
    EXPECT_EQ(SnapToRaster(46256250), 46256250u) << "on the 6.25 kHz raster";
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

#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/HexText.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

using Col = ChannelTable::Column;
using test::StartupState;

MemoryImage Erased() {
    MemoryImage m;
    m.fill(0xFF);
    return m;
}

// Channel n's record from its bytes in hexadecimal.
void PutChannel(MemoryImage& m, int row, std::string_view hex) {
    std::vector<std::uint8_t> bytes = ImageTextToBytes(hex, hex.size() / 2);
    std::copy(bytes.begin(), bytes.end(), m.begin() + 16 * (row - 1));
}

// In-range values are the encoder's examples and the round trip's; here what only decoding
// meets: values a radio cannot mean, which leave the setting as it was.
TEST(DecodeImage, ErasedOrMeaninglessValuesKeepTheSetting) {
    RadioState s = StartupState();
    s.settings.BasicOptions = {3, 2, 500, 2, 16, 0, 5, 15};
    s.settings.KeyFunction1 = 7;
    s.panel.positions = {2, 20, 5, 9, 0, 0};
    s.flags.DebugAccess = 1;
    s.band.TakeBand(4);
    s.table.setCell(3, Col::kRxFrequency, "145.00000");
    RadioState expected = s;
    ProgramSettings& e = expected.settings;
    e.BasicOptions[6] = 0;        // 0xFF reads as 0
    e.FunctionOptions[13] = "0";  // 0xFF is how an empty retrace time is written
    e.FunctionOptions[14] = "0";
    e.FunctionOptions[16] = e.FunctionOptions[17] = e.FunctionOptions[18] = "";
    e.FunctionOptions[19] = e.FunctionOptions[20] = "-1";  // FF FF
    e.GroupCodes = {};
    e.HighPowerLevel = e.LowPowerLevel = 255;
    DecodeImageBytes(Erased(), s);
    EXPECT_TRUE(s.settings == e);
    EXPECT_EQ(s.panel.positions, expected.panel.positions);
    EXPECT_EQ(s.band.position(), 4) << "an unknown band code changes nothing";
    EXPECT_FALSE(s.table.hasChannel(3));
    EXPECT_EQ(s.flags.DebugAccess, 0);

    // Flag bytes count by their low bit; a known band code takes its band.
    MemoryImage m = Erased();
    m[0x1AD] = 0x01;  // 136-174MHz
    m[0x12E] = 0x02;
    m[0x151] = 0x00;  // out of range too
    m[0x106] = 'x';   // no meaning
    s.settings.FunctionOptions[12] = "9";
    s.settings.BasicOptions[6] = 6;
    DecodeImageBytes(m, s);
    EXPECT_EQ(s.band.position(), 5);
    EXPECT_EQ(s.band.CurrentBand, 5);
    EXPECT_EQ(s.band.BandLowMHz, 136);
    EXPECT_EQ(s.settings.FunctionOptions[10], "0");
    EXPECT_EQ(s.settings.FunctionOptions[12], "9");
    EXPECT_EQ(s.settings.BasicOptions[6], 6);
}

// The transmit tone is empty only with neither a tone nor a transmit frequency; only bits 3,
// 4 and 5 of the flag bytes count. Decoded in either language, a language switch gives the
// other's rows, tones no list holds included.
TEST(DecodeImage, ChannelCellsInEitherLanguage) {
    MemoryImage m = Erased();
    PutChannel(m, 1, "50622546FFFFFFFFFFFFFFFFF0C0");
    PutChannel(m, 2, "00505514005055141328FFFFF8F0");
    PutChannel(m, 3, "00505514FFFFFFFF9E02ECA90830");
    PutChannel(m, 4, "0050551400505514FFFF7503F0D0");
    PutChannel(m, 5, "00505514FFFFFFFF1320DC05");
    m[0x16E] = 0x0A;
    RadioState s = StartupState(kChinese);
    DecodeImageBytes(m, s);
    EXPECT_EQ(test::RowText(s.table, 1), "01|462.56250|关闭|||低|载波|窄带|无");
    EXPECT_EQ(test::RowText(s.table, 2), "02|145.55000|D023N|145.55000|关闭|高|关闭|宽带|有");
    EXPECT_EQ(test::RowText(s.table, 3), "03|145.55000|67.0||D754I|高|关闭|宽带|无");
    EXPECT_EQ(test::RowText(s.table, 5), "05|145.55000|D23N||150.0|高|关闭|宽带|无");
    RadioState en = StartupState(kEnglish);
    DecodeImageBytes(m, en);
    s.table.SetGrid1Text(kEnglish);
    for (int row = 2; row <= 5; ++row) {
        EXPECT_EQ(test::RowText(s.table, row), test::RowText(en.table, row));
    }
}

TEST(DecodeImage, TextInputOfAnyLengthDecodes) {
    RadioState s = StartupState();
    for (const std::string& text :
         {std::string(), std::string("4"), std::string(5000, 'F'), std::string(1700, 'z')}) {
        DecodeImage(text, s);
    }
    EXPECT_FALSE(s.table.hasChannel(1));
    std::string text = EncodeImage(StartupState());
    text.resize(1632);  // what the decoder needs
    s.settings.KeyFunction1 = 3;
    DecodeImage(text, s);
    EXPECT_EQ(s.settings.KeyFunction1, 10);
}

}  // namespace
}  // namespace kvd

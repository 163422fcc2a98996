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

void PutChannel(MemoryImage& m, int row, std::initializer_list<int> bytes) {
    std::size_t at = 16 * (row - 1);
    for (int b : bytes) {
        m[at++] = static_cast<std::uint8_t>(b);
    }
}

TEST(DecodeImage, ErasedRadioKeepsOutOfRangeSettings) {
    RadioState s = StartupState();
    s.settings.BasicOptions = {3, 2, 500, 2, 16, 0, 5, 15};
    s.settings.KeyFunction1 = 7;
    s.settings.FunctionOptions[13] = "50";
    s.panel.positions = {2, 20, 5, 9, 0, 0};
    s.settings.FunctionOptions[16] = "123";
    s.flags.DebugAccess = 1;
    s.band.TakeBand(4);

    RadioState expected = s;
    DecodeImageBytes(Erased(), s);

    for (int row = 1; row <= 16; ++row) {
        EXPECT_FALSE(s.table.hasChannel(row));
    }
    auto basic = expected.settings.BasicOptions;
    basic[6] = 0;  // 0xFF reads as 0
    EXPECT_EQ(s.settings.BasicOptions, basic);
    EXPECT_EQ(s.settings.KeyFunction1, 7);
    EXPECT_EQ(s.settings.FunctionOptions[13], "0") << "0xFF is how an empty retrace time is written";
    EXPECT_EQ(s.settings.FunctionOptions[10], "1");
    EXPECT_EQ(s.settings.FunctionOptions[16], "");
    EXPECT_EQ(s.settings.FunctionOptions[19], "-1") << "FF FF is -1";
    EXPECT_EQ(s.panel.positions, expected.panel.positions);
    EXPECT_EQ(s.settings.HighPowerLevel, 255);
    EXPECT_EQ(s.settings.LowPowerLevel, 255);
    EXPECT_EQ(s.band.position(), 4) << "an unknown band code changes nothing";
    EXPECT_EQ(s.settings.GroupCodes[1], "");
    EXPECT_EQ(s.flags.DebugAccess, 0);
}

TEST(DecodeImage, ChannelCellsAndTheirListPositions) {
    MemoryImage m = Erased();
    PutChannel(m, 1, {0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xC0});
    PutChannel(m, 2, {0x00, 0x50, 0x55, 0x14, 0x00, 0x50, 0x55, 0x14, 0x13, 0x28, 0xFF, 0xFF, 0xF8, 0xF0});
    PutChannel(m, 3, {0x00, 0x50, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xEC, 0xA9, 0x08, 0x30});
    m[0x16E] = 0x02;
    m[0x16F] = 0x08;
    PutChannel(m, 12, {0x00, 0x00, 0x00, 0x15});
    RadioState s = StartupState();
    DecodeImageBytes(m, s);

    EXPECT_EQ(s.table.cell(1, Col::kRxFrequency), "462.56250");
    EXPECT_EQ(s.table.cell(1, Col::kRxTone), "关闭");
    EXPECT_EQ(s.table.cell(1, Col::kTxTone), "") << "no tone and no transmit frequency";
    EXPECT_EQ(s.table.cell(1, Col::kPower), "低");
    EXPECT_EQ(s.table.cell(1, Col::kBusyLock), "载波");
    EXPECT_EQ(s.table.cell(1, Col::kBandwidth), "窄带");
    EXPECT_EQ(s.table.cell(1, Col::kScanAdd), "无");

    EXPECT_EQ(s.table.cell(2, Col::kTxFrequency), "145.55000");
    EXPECT_EQ(s.table.cell(2, Col::kRxTone), "D023N");
    EXPECT_EQ(s.table.choiceIndex(2, Col::kRxTone), 51);
    EXPECT_EQ(s.table.cell(2, Col::kTxTone), "关闭") << "transmit frequency present";
    EXPECT_EQ(s.table.cell(2, Col::kPower), "高");
    EXPECT_EQ(s.table.cell(2, Col::kScanAdd), "有");
    EXPECT_EQ(s.table.choiceIndex(2, Col::kScanAdd), 1);

    EXPECT_EQ(s.table.cell(3, Col::kRxTone), "67.0");
    EXPECT_EQ(s.table.cell(3, Col::kTxTone), "D754I") << "kept without transmit frequency";
    EXPECT_EQ(s.table.choiceIndex(3, Col::kTxTone), 260);
    EXPECT_EQ(s.table.cell(3, Col::kBusyLock), "关闭") << "only bit 3 counts";
    EXPECT_EQ(s.table.cell(3, Col::kBandwidth), "宽带") << "only bit 4 counts";
    EXPECT_EQ(s.table.cell(3, Col::kPower), "高") << "only bit 5 counts";

    EXPECT_EQ(s.table.cell(12, Col::kScanAdd), "有");
    EXPECT_EQ(s.table.choiceIndex(12, Col::kScanAdd), 1);
}

TEST(DecodeImage, LanguageSwitchAfterDecodeKeepsTheValues) {
    MemoryImage m = Erased();
    PutChannel(m, 4, {0x00, 0x50, 0x55, 0x14, 0x00, 0x50, 0x55, 0x14, 0xFF, 0xFF, 0x75, 0x03, 0xF0, 0xD0});
    m[0x16E] = 0x08;
    RadioState zh = StartupState(kChinese);
    DecodeImageBytes(m, zh);
    RadioState en = StartupState(kEnglish);
    DecodeImageBytes(m, en);
    zh.table.SetGrid1Text(kEnglish);
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(zh.table.cell(4, column), en.table.cell(4, column)) << column;
    }
}

TEST(DecodeImage, UnlistedTonesKeepTheirTextAcrossALanguageSwitch) {
    MemoryImage m = Erased();
    PutChannel(m, 1, {0x00, 0x50, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0x20, 0xDC, 0x05});
    RadioState s = StartupState();
    DecodeImageBytes(m, s);
    EXPECT_EQ(s.table.cell(1, Col::kRxTone), "D23N");
    EXPECT_EQ(s.table.cell(1, Col::kTxTone), "150.0");
    EXPECT_NE(s.table.choiceIndex(1, Col::kRxTone), 0);
    EXPECT_NE(s.table.choiceIndex(1, Col::kTxTone), 0);
    s.table.SetGrid1Text(kEnglish);
    EXPECT_EQ(s.table.cell(1, Col::kRxTone), "D23N");
    EXPECT_EQ(s.table.cell(1, Col::kTxTone), "150.0");
}

TEST(DecodeImage, SettingsFieldsAndTheirRanges) {
    MemoryImage m = test::ExpectedStartupImage();
    m[0x120] = 0x00;
    m[0x102] = 25;
    m[0x106] = '6';
    m[0x1AD] = 0x01;
    m[0x1F0] = 0x31;
    m[0x1F1] = 0x3A;
    m[0x1F2] = 0x32;
    m[0x151] = 0x00;  // out of range: keeps the previous value
    m[0x12E] = 0x02;
    RadioState s = StartupState();
    s.settings.FunctionOptions[12] = "9";
    DecodeImageBytes(m, s);
    EXPECT_EQ(s.panel[PanelList::Timeout], -1) << "no selection";
    EXPECT_EQ(s.settings.BasicOptions[2], 250);
    EXPECT_EQ(s.settings.BasicOptions[6], 6);
    EXPECT_EQ(s.band.position(), 5);
    EXPECT_EQ(s.band.CurrentBand, 5);
    EXPECT_EQ(s.band.BandLowMHz, 136);
    EXPECT_EQ(s.settings.GroupCodes[1], "102");
    EXPECT_EQ(s.settings.FunctionOptions[12], "9");
    EXPECT_EQ(s.settings.FunctionOptions[10], "0");

    m[0x120] = 0x28;
    m[0x106] = 'x';  // no meaning: keeps the value
    DecodeImageBytes(m, s);
    EXPECT_EQ(s.panel[PanelList::Timeout], 39);
    EXPECT_EQ(s.settings.BasicOptions[6], 6);
}

TEST(DecodeImage, TextInputOfAnyLengthDecodes) {
    RadioState s = StartupState();
    DecodeImage("", s);
    DecodeImage("4", s);
    DecodeImage(std::string(5000, 'F'), s);
    DecodeImage(std::string(1700, 'z'), s);
    EXPECT_FALSE(s.table.hasChannel(1));
    std::string text = EncodeImage(StartupState());
    text.resize(1632);  // what the decoder needs
    RadioState t = StartupState();
    t.settings.KeyFunction1 = 3;
    DecodeImage(text, t);
    EXPECT_EQ(t.settings.KeyFunction1, 10);
}

}  // namespace
}  // namespace kvd

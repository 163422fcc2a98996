#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/HexText.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

using Col = ChannelTable::Column;

TEST(EncodeImage, StartUpStateByteForByte) {
    const std::string expected = BytesToImageText(test::ExpectedStartupImage());
    EXPECT_EQ(BytesToImageText(EncodeImageBytes(StartupState(kChinese))), expected);
    EXPECT_EQ(EncodeImage(StartupState(kEnglish)), expected);
}

TEST(EncodeImage, ChannelRecordFields) {
    RadioState s = StartupState(kEnglish);
    const char* cells[] = {"",    "462.56250", "254.1",  "",    "D754I",
                           "Low", "Carrow",    "Narrow", "Have"};
    for (int column = 1; column < 9; ++column) {
        s.table.setCell(1, column, cells[column]);  // a transmit tone without transmit is kept
    }
    s.table.setCell(12, Col::kRxFrequency, "145.00000");  // choice cells left empty
    s.table.setCell(12, Col::kScanAdd, "Have");
    MemoryImage m = EncodeImageBytes(s);
    const std::uint8_t record1[] = {0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xED, 0x09, 0xEC, 0xA9, 0xF0, 0xC0, 0xFC, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(record1), std::end(record1), m.begin()));
    EXPECT_EQ(m[16 * 11 + 12], 0xF8) << "empty busy-lock cell: off";
    EXPECT_EQ(m[16 * 11 + 13], 0xF0) << "empty power and bandwidth cells: high and wide";
    EXPECT_EQ(m[0x16E], 0x01);
    EXPECT_EQ(m[0x16F], 0x08) << "channel 12 is bit 3 of the second byte";
}

TEST(EncodeImage, SettingsThatChangeFormAndFieldsThatKeepTheirWidth) {
    RadioState s = StartupState(kChinese);
    s.settings.BasicOptions[2] = 255;  // milliseconds, stored in tens
    s.settings.BasicOptions[6] = 4;
    s.settings.FunctionOptions[10] = "0";
    s.settings.FunctionOptions[13] = "0";
    s.settings.FunctionOptions[14] = "91";
    s.settings.FunctionOptions[19] = "-1";
    s.settings.FunctionOptions[20] = "300";
    s.settings.GroupCodes[1] = "0";
    s.panel[PanelList::Timeout] = -1;
    s.band.TakeBand(5);
    s.settings.FunctionOptions[16] = std::string(40, 'x');
    s.settings.EmbeddedInfo[0] = std::string(100, 'y') + "中文";
    s.table.setCell(2, Col::kRxFrequency, "garbage");
    s.table.setCell(2, Col::kRxTone, "Dxyz");
    s.settings.HighPowerLevel = 999;
    EXPECT_EQ(EncodeImage(s).size(), 1696u);
    MemoryImage m = EncodeImageBytes(s);
    const std::pair<std::size_t, int> bytes[] = {
        {0x102, 0x19}, {0x106, '4'},  {0x12E, 0xFE}, {0x152, 0xFF}, {0x153, 91},
        {0x155, 0xFF}, {0x156, 0xFF}, {0x157, 0x2C}, {0x158, 0x01}, {0x1F0, 0x3A},
        {0x120, 0x00}, {0x1AD, 0x01}, {0x33C, 0x01}, {0x11A, 0xFF}, {0x310, 0xFF}};
    for (auto [offset, value] : bytes) {
        EXPECT_EQ(m[offset], value) << "offset 0x" << HexWord(static_cast<std::int16_t>(offset));
    }
}

}  // namespace
}  // namespace kvd

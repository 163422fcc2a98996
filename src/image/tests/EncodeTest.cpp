#include <gtest/gtest.h>

#include "TestStates.h"
#include "channels/ToneList.h"
#include "image/HexText.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

using Col = ChannelTable::Column;
using test::StartupState;

TEST(EncodeImage, StartUpStateByteForByte) {
    RadioState s = StartupState();
    MemoryImage image = EncodeImageBytes(s);
    MemoryImage expected = test::ExpectedStartupImage();
    for (std::size_t i = 0; i < image.size(); ++i) {
        EXPECT_EQ(image[i], expected[i]) << "offset 0x" << HexWord(static_cast<std::int16_t>(i));
    }
    std::string text = EncodeImage(s);
    EXPECT_EQ(text.size(), 1696u);
    EXPECT_EQ(text, BytesToImageText(expected));
}

TEST(EncodeImage, ChannelRecordFields) {
    RadioState s = StartupState(kEnglish);
    s.table.setCell(1, Col::kRxFrequency, "462.56250");
    s.table.setCell(1, Col::kTxFrequency, "");
    s.table.setCell(1, Col::kRxTone, "254.1");
    s.table.setCell(1, Col::kTxTone, "D754I");  // kept although there is no transmit frequency
    s.table.setCell(1, Col::kPower, "Low");
    s.table.setCell(1, Col::kBusyLock, "Carrow");
    s.table.setCell(1, Col::kBandwidth, "Narrow");
    s.table.setCell(1, Col::kScanAdd, "Have");
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

TEST(EncodeImage, SettingsThatChangeForm) {
    RadioState s = StartupState();
    s.settings.BasicOptions[2] = 250;
    s.settings.BasicOptions[6] = 4;
    s.settings.FunctionOptions[10] = "0";
    s.settings.FunctionOptions[13] = "0";
    s.settings.FunctionOptions[14] = "91";
    s.settings.FunctionOptions[19] = "-1";
    s.settings.FunctionOptions[20] = "300";
    s.settings.GroupCodes[1] = "0";
    s.panel[PanelList::Timeout] = -1;
    s.band.TakeBand(5);
    MemoryImage m = EncodeImageBytes(s);
    EXPECT_EQ(m[0x102], 0x19);
    EXPECT_EQ(m[0x106], '4');
    EXPECT_EQ(m[0x12E], 0xFE);
    EXPECT_EQ(m[0x152], 0xFF) << "0 is written as 0xFF";
    EXPECT_EQ(m[0x153], 91);
    EXPECT_EQ(m[0x155], 0xFF);
    EXPECT_EQ(m[0x156], 0xFF);
    EXPECT_EQ(m[0x157], 0x2C);
    EXPECT_EQ(m[0x158], 0x01);
    EXPECT_EQ(m[0x1F0], 0x3A);
    EXPECT_EQ(m[0x120], 0x00);
    EXPECT_EQ(m[0x1AD], 0x01);
    EXPECT_EQ(m[0x33C], 0x01) << "both band codes agree";

    s.settings.BasicOptions[2] = 255;
    EXPECT_EQ(EncodeImageBytes(s)[0x102], 0x19);
}

TEST(EncodeImage, EveryFieldKeepsItsWidthWhateverTheInput) {
    RadioState s = StartupState();
    s.settings.FunctionOptions[16] = std::string(40, 'x');
    s.settings.EmbeddedInfo[0] = std::string(100, 'y') + "中文";
    s.settings.GroupCodes[3] = std::string(30, '1');
    s.table.setCell(2, Col::kRxFrequency, "garbage");
    s.table.setCell(2, Col::kRxTone, "Dxyz");
    s.table.setCell(2, Col::kPower, "???");
    s.settings.HighPowerLevel = 999;
    s.settings.FunctionOptions[7] = "-5";
    EXPECT_EQ(EncodeImage(s).size(), 1696u);
    MemoryImage m = EncodeImageBytes(s);
    EXPECT_EQ(m[0x11A], 0xFF) << "the ID code does not run into its neighbour";
    EXPECT_EQ(m[0x310], 0xFF);
}

}  // namespace
}  // namespace kvd

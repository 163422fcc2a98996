#include <gtest/gtest.h>

#include "channels/ChannelTable.h"

namespace kvd {
namespace {

using Col = ChannelTable::Column;

// Fills a channel as the editor's new-channel defaults would, in Chinese.
void AddChannel(ChannelTable& t, int row, const std::string& rx) {
    t.setCell(row, Col::kRxFrequency, rx);
    t.setCell(row, Col::kTxFrequency, rx);
    t.setCell(row, Col::kRxTone, "关闭");
    t.setCell(row, Col::kTxTone, "88.5");
    t.setChoiceIndex(row, Col::kTxTone, 9);
    const char* choices[] = {"低", "关闭", "宽带", "有"};
    const std::int16_t positions[] = {0, 1, 1, 1};
    for (int c = 0; c < 4; ++c) {
        t.setCell(row, Col::kPower + c, choices[c]);
        t.setChoiceIndex(row, Col::kPower + c, positions[c]);
    }
}

TEST(ChannelTable, StartsWithSixteenNumberedEmptyRows) {
    ChannelTable t;
    EXPECT_EQ(t.cell(1, 0), "01");
    EXPECT_EQ(t.cell(16, 0), "16");
    for (int row = 1; row <= 16; ++row) {
        EXPECT_FALSE(t.hasChannel(row));
    }
    EXPECT_EQ(t.cell(0, 1), "");
    EXPECT_EQ(t.cell(17, 1), "");
}

TEST(ChannelTable, LanguageSwitchRewritesChoiceAndOffCellsOnlyOfExistingChannels) {
    ChannelTable t;
    AddChannel(t, 3, "145.53000");
    t.setCell(4, Col::kPower, "stale");  // no receive frequency: not a channel
    t.SetGrid1Text(kEnglish);
    EXPECT_EQ(t.cell(3, Col::kRxTone), "Off");
    EXPECT_EQ(t.cell(3, Col::kTxTone), "88.5");
    EXPECT_EQ(t.cell(3, Col::kPower), "Low");
    EXPECT_EQ(t.cell(3, Col::kBusyLock), "Off");
    EXPECT_EQ(t.cell(3, Col::kBandwidth), "Wide");
    EXPECT_EQ(t.cell(3, Col::kScanAdd), "Have");
    EXPECT_EQ(t.cell(3, Col::kTxFrequency), "145.53000");
    EXPECT_EQ(t.cell(4, Col::kPower), "stale");

    t.setChoiceIndex(3, Col::kPower, 5);  // outside the list
    t.SetGrid1Text(kChinese);
    EXPECT_EQ(t.cell(3, Col::kPower), "");
    EXPECT_EQ(t.cell(3, Col::kRxTone), "关闭");
}

TEST(ChannelTable, BulkOperations) {
    ChannelTable t;
    AddChannel(t, 5, "145.50000");
    AddChannel(t, 7, "146.00000");

    ChannelTable cleared = t;
    cleared.ClearGrid1();
    EXPECT_FALSE(cleared.hasChannel(5));
    EXPECT_EQ(cleared.cell(5, Col::kScanAdd), "");
    EXPECT_EQ(cleared.cell(5, 0), "05");
    EXPECT_EQ(cleared.choiceIndex(5, Col::kScanAdd), 1) << "ClearGrid1 keeps the list positions";

    t.ClearNO(5);
    EXPECT_FALSE(t.hasChannel(5));
    EXPECT_EQ(t.choiceIndex(5, Col::kScanAdd), 0);
    EXPECT_EQ(t.choiceIndex(5, Col::kTxTone), 0);
    EXPECT_TRUE(t.hasChannel(7));
    t.ClearNO(0);
    t.ClearNO(17);

    int notifications = 0;
    t.setChangeListener([&](int, int) { ++notifications; });
    t.ClearGrid();
    EXPECT_FALSE(t.hasChannel(7));
    EXPECT_EQ(t.choiceIndex(7, Col::kBusyLock), 0);
    EXPECT_GT(notifications, 0);
}

}  // namespace
}  // namespace kvd

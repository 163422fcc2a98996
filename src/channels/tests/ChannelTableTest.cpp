#include <gtest/gtest.h>

#include "../../image/tests/TestStates.h"
#include "channels/CellEditRules.h"
#include "channels/ChannelTable.h"

namespace kvd {
namespace {

using Col = ChannelTable::Column;

// Channels with a CTCSS transmit tone, the receive tone off and choices low / off / wide /
// have, in Chinese.
ChannelTable WithChannels(std::initializer_list<int> rows) {
    ChannelTable t;
    for (int row : rows) {
        t.setCell(row, Col::kRxFrequency, "145.53000");
        t.setCell(row, Col::kTxFrequency, "145.53000");
        CellEditRules::PickTone(t, row, Col::kRxTone, 0, kChinese);
        CellEditRules::PickTone(t, row, Col::kTxTone, 9, kChinese);
        for (int column = Col::kPower; column <= Col::kScanAdd; ++column) {
            CellEditRules::PickChoice(t, row, column, column == Col::kPower ? 0 : 1, kChinese);
        }
    }
    return t;
}

TEST(ChannelTable, LanguageSwitchRewritesChoiceAndOffCellsOnlyOfExistingChannels) {
    ChannelTable t = WithChannels({3});
    t.setCell(4, Col::kPower, "stale");  // no receive frequency: not a channel
    t.SetGrid1Text(kEnglish);
    EXPECT_EQ(test::RowText(t, 3), "03|145.53000|Off|145.53000|88.5|Low|Off|Wide|Have");
    EXPECT_EQ(t.cell(4, Col::kPower), "stale");
    t.setChoiceIndex(3, Col::kPower, 5);  // outside the list
    t.SetGrid1Text(kChinese);
    EXPECT_EQ(test::RowText(t, 3), "03|145.53000|关闭|145.53000|88.5||关闭|宽带|有");
    EXPECT_EQ(t.cell(17, 1), "");
}

TEST(ChannelTable, BulkOperationsAndTheirNotifications) {
    ChannelTable t = WithChannels({5, 7});
    int notified = 0;
    t.setChangeListener([&](int first, int last) { notified += last - first + 1; });
    ChannelTable cleared = t;
    cleared.ClearGrid1();
    EXPECT_EQ(test::RowText(cleared, 5), "05||||||||");
    EXPECT_EQ(cleared.choiceIndex(5, Col::kScanAdd), 1) << "ClearGrid1 keeps the list positions";
    EXPECT_EQ(notified, 0) << "a copy keeps no listener";

    t.ClearNO(5);
    EXPECT_EQ(t.choiceIndex(5, Col::kTxTone), 0);
    EXPECT_TRUE(t.hasChannel(7));
    t.ClearNO(0);
    t.ClearNO(17);
    EXPECT_EQ(notified, 1);
    t.ClearGrid();
    EXPECT_FALSE(t.hasChannel(7));
    EXPECT_EQ(t.choiceIndex(7, Col::kBusyLock), 0);
    EXPECT_EQ(notified, 17);
}

}  // namespace
}  // namespace kvd

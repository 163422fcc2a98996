#include <gtest/gtest.h>

#include "../../image/tests/TestStates.h"
#include "channels/BandSelection.h"
#include "channels/CellEditRules.h"
#include "channels/ChannelTable.h"

namespace kvd {
namespace {

using namespace CellEditRules;
using Col = ChannelTable::Column;

struct EditFixture : ::testing::Test {
    EditFixture() {
        band.CurrentBand = 5;
        band.Select(5, table, nullptr);  // 136-174MHz
    }
    FrequencyCommit Type(int row, int column, const std::string& text) {
        return CommitFrequency(table, band, row, column, text, kChinese);
    }
    ChannelTable table;
    BandSelection band;
};

TEST_F(EditFixture, TypingIntoAnEmptyRowCreatesAChannelWithDefaults) {
    EXPECT_EQ(ColumnToOpen(table, 3, Col::kScanAdd), Col::kRxFrequency);
    EXPECT_EQ(Type(3, Col::kRxFrequency, "145.5312"), FrequencyCommit::Written);
    EXPECT_EQ(test::RowText(table, 3), "03|145.53000|关闭|145.53000|关闭|低|关闭|宽带|有");
    const std::int16_t entries[] = {0, 0, 0, 0, 1, 1, 1};
    for (int column : {2, 4, 5, 6, 7, 8}) {
        EXPECT_EQ(table.choiceIndex(3, column), entries[column - 2]) << column;
    }
    EXPECT_EQ(ColumnToOpen(table, 3, Col::kScanAdd), Col::kScanAdd);
}

TEST_F(EditFixture, FrequenciesAreRoundedCheckedAndSnapped) {
    struct Case {
        const char* typed;
        FrequencyCommit result;
        const char* stored;
    };
    using F = FrequencyCommit;
    for (Case c : {Case{"145.5261", F::Written, "145.52500"},
                   {"145.5187", F::Written, "145.51500"},
                   {"136", F::Written, "136.00000"},
                   {"173.99999", F::Written, "173.99500"},
                   {"145.531249", F::Written, "145.53125"},
                   {"174", F::OutOfBand, ""},
                   {"135.99", F::OutOfBand, ""},
                   {"173.999996", F::OutOfBand, ""},
                   {".", F::Unchanged, ""},
                   {"1.2.3", F::Unchanged, ""}}) {
        table.ClearNO(1);
        EXPECT_EQ(Type(1, Col::kRxFrequency, c.typed), c.result) << c.typed;
        EXPECT_EQ(table.cell(1, Col::kRxFrequency), c.stored) << c.typed;
    }
}

TEST_F(EditFixture, ErasingTheReceiveFrequencyDeletesTheChannelButNotTheTransmitOne) {
    Type(7, Col::kRxFrequency, "150");
    EXPECT_EQ(Type(7, Col::kTxFrequency, ""), FrequencyCommit::Unchanged);
    EXPECT_EQ(table.cell(7, Col::kTxFrequency), "150.00000");
    EXPECT_EQ(Type(7, Col::kTxFrequency, "151"), FrequencyCommit::Written);
    EXPECT_EQ(Type(7, Col::kRxFrequency, "152"), FrequencyCommit::Written);
    EXPECT_EQ(table.cell(7, Col::kTxFrequency), "151.00000") << "an existing channel keeps it";

    EXPECT_EQ(Type(7, Col::kRxFrequency, ""), FrequencyCommit::Deleted);
    EXPECT_EQ(test::RowText(table, 7), "07||||||||");
    EXPECT_EQ(table.choiceIndex(7, Col::kScanAdd), 0);
}

TEST_F(EditFixture, TypedTonesWithinTheRangeAreKeptElseTheStoredToneReturns) {
    Type(2, Col::kRxFrequency, "150");
    PickTone(table, 2, Col::kRxTone, 13, kChinese);  // 100.0
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (Case c : {Case{"88.5", "88.5"},
                   {"150", "150.0"},
                   {"300", "100.0"},
                   {"", "100.0"},
                   {"66.99", "100.0"},
                   {"254.1", "254.1"}}) {
        CommitTone(table, 2, Col::kRxTone, c.typed, -1, kChinese);
        EXPECT_EQ(table.cell(2, Col::kRxTone), c.shown) << c.typed;
    }
    EXPECT_EQ(table.choiceIndex(2, Col::kRxTone), 13) << "typing keeps the stored position";

    table.setCell(2, Col::kRxTone, "67.0");
    CommitTone(table, 2, Col::kRxTone, "D023N", 51, kChinese);
    CommitTone(table, 2, Col::kRxTone, "120", 0, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "67.0") << "a pick was already committed";

    PickChoice(table, 2, Col::kPower, 1, kEnglish);
    EXPECT_EQ(table.cell(2, Col::kPower), "Hight");
    EXPECT_EQ(table.choiceIndex(2, Col::kPower), 1);
    EXPECT_TRUE(IsEditorKey(U'7') && IsEditorKey(U'.') && IsEditorKey(U'\b'));
    EXPECT_FALSE(IsEditorKey(U'a') || IsEditorKey(U'\x1b')) << "Escape is dropped like any key";
}

}  // namespace
}  // namespace kvd

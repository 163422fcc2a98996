#include <gtest/gtest.h>

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
    EXPECT_EQ(Type(3, Col::kRxFrequency, "145.5312"), FrequencyCommit::Written);
    const char* expected[] = {"03", "145.53000", "关闭", "145.53000", "关闭", "低", "关闭", "宽带", "有"};
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(table.cell(3, column), expected[column]) << column;
    }
    const std::int16_t entries[] = {0, 0, 0, 0, 1, 1, 1};
    for (int column = Col::kRxTone; column <= Col::kScanAdd; ++column) {
        if (column != Col::kTxFrequency) {
            EXPECT_EQ(table.choiceIndex(3, column), entries[column - 2]) << column;
        }
    }
}

TEST_F(EditFixture, FrequenciesAreRoundedCheckedAndSnapped) {
    struct Case {
        const char* typed;
        FrequencyCommit result;
        const char* stored;
    };
    for (Case c : {Case{"145.5261", FrequencyCommit::Written, "145.52500"},
                   Case{"145.5187", FrequencyCommit::Written, "145.51500"},
                   Case{"145.53", FrequencyCommit::Written, "145.53000"},
                   Case{"136", FrequencyCommit::Written, "136.00000"},
                   Case{"173.99999", FrequencyCommit::Written, "173.99500"},
                   Case{"145.531249", FrequencyCommit::Written, "145.53125"},
                   Case{"174", FrequencyCommit::OutOfBand, ""},
                   Case{"135.99", FrequencyCommit::OutOfBand, ""},
                   Case{"173.999996", FrequencyCommit::OutOfBand, ""},
                   Case{".", FrequencyCommit::Unchanged, ""},
                   Case{"1.2.3", FrequencyCommit::Unchanged, ""}}) {
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
    EXPECT_EQ(table.cell(7, Col::kTxFrequency), "151.00000") << "an existing channel keeps its transmit frequency";

    EXPECT_EQ(Type(7, Col::kRxFrequency, ""), FrequencyCommit::Deleted);
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(table.cell(7, column), "");
    }
    EXPECT_EQ(table.choiceIndex(7, Col::kScanAdd), 0);
}

TEST_F(EditFixture, TypedTonesWithinTheRangeAreKeptElseTheStoredToneReturns) {
    Type(2, Col::kRxFrequency, "150");
    PickTone(table, 2, Col::kRxTone, 13, kChinese);  // 100.0
    EXPECT_EQ(table.cell(2, Col::kRxTone), "100.0");
    EXPECT_EQ(table.choiceIndex(2, Col::kRxTone), 13);

    CommitTone(table, 2, Col::kRxTone, "88.5", -1, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "88.5");
    CommitTone(table, 2, Col::kRxTone, "150", -1, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "150.0") << "not a standard tone, still allowed";
    EXPECT_EQ(table.choiceIndex(2, Col::kRxTone), 13) << "typing keeps the stored position";
    CommitTone(table, 2, Col::kRxTone, "300", -1, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "100.0");
    CommitTone(table, 2, Col::kRxTone, "", -1, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "100.0");
    CommitTone(table, 2, Col::kRxTone, "66.99", -1, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "100.0");
    CommitTone(table, 2, Col::kRxTone, "254.1", -1, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "254.1");

    table.setCell(2, Col::kRxTone, "67.0");
    CommitTone(table, 2, Col::kRxTone, "D023N", 51, kChinese);
    CommitTone(table, 2, Col::kRxTone, "120", 0, kChinese);
    EXPECT_EQ(table.cell(2, Col::kRxTone), "67.0") << "a pick was already committed";
}

TEST_F(EditFixture, ChoicesAndTheColumnAnEditorOpensOn) {
    Type(4, Col::kRxFrequency, "150");
    PickChoice(table, 4, Col::kPower, 1, kEnglish);
    EXPECT_EQ(table.cell(4, Col::kPower), "Hight");
    EXPECT_EQ(table.choiceIndex(4, Col::kPower), 1);

    EXPECT_EQ(ColumnToOpen(table, 4, Col::kScanAdd), Col::kScanAdd);
    EXPECT_EQ(ColumnToOpen(table, 5, Col::kScanAdd), Col::kRxFrequency);
    EXPECT_EQ(EditorFor(0), Editor::None);
    EXPECT_EQ(EditorFor(3), Editor::Frequency);
    EXPECT_EQ(EditorFor(4), Editor::Tone);
    EXPECT_EQ(EditorFor(8), Editor::Choice);
    EXPECT_TRUE(IsEditorKey(U'7'));
    EXPECT_TRUE(IsEditorKey(U'.'));
    EXPECT_FALSE(IsEditorKey(U'a'));
    EXPECT_FALSE(IsEditorKey(U'\x1b')) << "Escape is dropped like any other key";
}

}  // namespace
}  // namespace kvd

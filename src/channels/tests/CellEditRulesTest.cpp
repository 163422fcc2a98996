#include <gtest/gtest.h>

#include "../../image/tests/TestStates.h"
#include "catalogue/Catalogue.h"
#include "channels/BandSelection.h"
#include "channels/CellEditRules.h"
#include "channels/ChannelCells.h"
#include "channels/ToneList.h"

namespace kvd {
namespace {

using namespace CellEditRules;
using namespace ChannelCells;

struct EditFixture : ::testing::Test {
    EditFixture() {
        band.CurrentBand = 5;
        band.Select(5, channels, nullptr);  // 136-174MHz
    }
    FrequencyCommit Type(int row, int column, const std::string& text) {
        return CommitFrequency(channels, band, row, column, text);
    }
    std::string Cell(int row, int column, LanguageId language = kChinese) const {
        return TextIn(Text(channels, row, column), language);
    }
    Channels channels;
    BandSelection band;
};

TEST_F(EditFixture, TypingIntoAnEmptyRowCreatesAChannelWithDefaults) {
    EXPECT_EQ(ColumnToOpen(channels, 3, kScanAdd), kRxFrequency);
    EXPECT_EQ(Type(3, kRxFrequency, "145.5312"), FrequencyCommit::Written);
    EXPECT_EQ(test::RowText(channels, 3), "03|145.53000|关闭|145.53000|关闭|低|关闭|宽带|有");
    EXPECT_EQ(ColumnToOpen(channels, 3, kScanAdd), kScanAdd);
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
                   {"99999999999999999999", F::OutOfBand, ""},
                   {".", F::Unchanged, ""},
                   {"1.2.3", F::Unchanged, ""}}) {
        channels.erase(1);
        EXPECT_EQ(Type(1, kRxFrequency, c.typed), c.result) << c.typed;
        EXPECT_EQ(Cell(1, kRxFrequency), c.stored) << c.typed;
    }
}

TEST_F(EditFixture, ErasingTheReceiveFrequencyDeletesTheChannelButNotTheTransmitOne) {
    Type(7, kRxFrequency, "150");
    EXPECT_EQ(Type(7, kTxFrequency, ""), FrequencyCommit::Unchanged);
    EXPECT_EQ(Cell(7, kTxFrequency), "150.00000");
    EXPECT_EQ(Type(7, kTxFrequency, "151"), FrequencyCommit::Written);
    PickTone(channels, 7, kRxTone, 13);
    EXPECT_EQ(Type(7, kRxFrequency, "152"), FrequencyCommit::Written);
    EXPECT_EQ(Cell(7, kTxFrequency), "151.00000") << "an existing channel keeps it";
    EXPECT_EQ(Cell(7, kRxTone), "100.0") << "and its tones";

    EXPECT_EQ(Type(7, kRxFrequency, ""), FrequencyCommit::Deleted);
    EXPECT_EQ(test::RowText(channels, 7), "07||||||||");
    EXPECT_FALSE(channels.has(7));
    EXPECT_EQ(Type(8, kTxFrequency, "151"), FrequencyCommit::Unchanged) << "no channel 8";
}

// A typed tone is a tone like a picked one: a listed value takes its list position, an
// unlisted one keeps its text; what cannot be a tone leaves the tone as it was.
TEST_F(EditFixture, TypedTonesWithinTheRangeAreKeptElseTheToneStays) {
    Type(2, kRxFrequency, "150");
    PickTone(channels, 2, kRxTone, 13);  // 100.0
    struct Case {
        const char* typed;
        const char* shown;
        int position;
    };
    for (Case c : {Case{"300", "100.0", 13},
                   {"88.5", "88.5", 9},
                   {"150", "150.0", -1},
                   {"", "150.0", -1},
                   {"66.99", "150.0", -1},
                   {"88.55", "88.6", -1},
                   {"254.1", "254.1", 50}}) {
        CommitTone(channels, 2, kRxTone, c.typed, -1);
        EXPECT_EQ(Cell(2, kRxTone), c.shown) << c.typed;
        EXPECT_EQ(ToneList::PositionOf(channels[2]->rxTone), c.position) << c.typed;
    }

    PickTone(channels, 2, kRxTone, 1);  // 67.0
    CommitTone(channels, 2, kRxTone, "D023N", 51);
    CommitTone(channels, 2, kRxTone, "120", 0);
    EXPECT_EQ(Cell(2, kRxTone), "67.0") << "a pick was already committed";
    channels[2]->rxTone = Tone::FromWord(0x0005);
    CommitTone(channels, 2, kRxTone, ".5", -1);
    EXPECT_EQ(channels[2]->rxTone.word(), 0x0005) << "a radio's word the editor shows stays";

    PickChoice(channels, 2, kPower, 1);
    EXPECT_EQ(Cell(2, kPower, kEnglish), "Hight");
    EXPECT_EQ(channels[2]->power, Power::High);
    EXPECT_TRUE(IsEditorKey(U'7') && IsEditorKey(U'.') && IsEditorKey(U'\b'));
    EXPECT_FALSE(IsEditorKey(U'a') || IsEditorKey(U'\x1b')) << "Escape is dropped like any key";
}

}  // namespace
}  // namespace kvd

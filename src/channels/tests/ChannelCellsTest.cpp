#include <gtest/gtest.h>

#include "../../image/tests/TestStates.h"
#include "catalogue/Catalogue.h"
#include "channels/ChannelCells.h"

namespace kvd {
namespace {

using namespace ChannelCells;

// A channel with a CTCSS transmit tone, the receive tone off and choices low / off / wide /
// have.
Channels WithChannels(std::initializer_list<int> rows) {
    Channels channels;
    for (int row : rows) {
        channels[row] = test::MakeChannel("145.53000", "145.53000", 0, 9);
    }
    return channels;
}

// The cells are the values rendered in the language: a language switch only renders again.
TEST(ChannelCells, ValuesShownInEitherLanguageAndEmptyRowsEmpty) {
    Channels channels = WithChannels({3});
    EXPECT_EQ(test::RowText(channels, 3, kEnglish),
              "03|145.53000|Off|145.53000|88.5|Low|Off|Wide|Have");
    EXPECT_EQ(test::RowText(channels, 3, kChinese),
              "03|145.53000|关闭|145.53000|88.5|低|关闭|宽带|有");
    EXPECT_EQ(test::RowText(channels, 4, kEnglish), "04||||||||");
    EXPECT_EQ(TextIn(Text(channels, 17, kRxFrequency), kEnglish), "");
    EXPECT_EQ(TextIn(Text(channels, 0, kNumber), kEnglish), "");

    // A receive-only channel shows no transmit tone unless it has one; any radio word shows
    // the text the radio's own word shows.
    Channel& c = *channels[3];
    c.tx.reset();
    EXPECT_EQ(TextIn(Text(channels, 3, kTxTone), kEnglish), "88.5");
    c.txTone = Tone();
    EXPECT_EQ(TextIn(Text(channels, 3, kTxTone), kEnglish), "");
    EXPECT_EQ(TextIn(Text(channels, 3, kTxFrequency), kEnglish), "");
    c.rxTone = Tone::FromWord(0x2013);
    c.rx = Frequency::FromPacked(0x1A23B4C5);
    EXPECT_EQ(test::RowText(channels, 3, kEnglish), "03|1A2.3B4C5|D23N|||Low|Off|Wide|Have");
}

TEST(ChannelCells, ChoicesByListPosition) {
    Channel c;
    for (int column = kPower; column <= kScanAdd; ++column) {
        for (int position : {0, 1, 2}) {  // 2 is outside the list and changes nothing
            SetChoice(c, column, position);
            EXPECT_EQ(ChoicePosition(c, column), std::min(position, 1)) << column;
        }
    }
    EXPECT_EQ(ChoicePosition(c, kRxTone), -1);
    ToneOf(c, kTxTone) = Tone::Ctcss(885);
    EXPECT_EQ(c.txTone, Tone::Ctcss(885));
}

TEST(Channels, DeletingOneOrAll) {
    Channels channels = WithChannels({5, 7});
    EXPECT_TRUE(channels.has(5) && channels.has(7));
    Channels copy = channels;
    channels.erase(5);
    channels.erase(0);
    channels.erase(17);
    EXPECT_FALSE(channels.has(5));
    EXPECT_TRUE(channels.has(7));
    EXPECT_FALSE(channels.has(0) || channels.has(17));
    channels.clear();
    EXPECT_TRUE(channels == Channels{});
    EXPECT_TRUE(copy.has(5)) << "a copy is a value of its own";
}

}  // namespace
}  // namespace kvd

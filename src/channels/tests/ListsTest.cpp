#include <gtest/gtest.h>

#include <set>

#include "channels/BandTable.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "settings/PanelLists.h"

namespace kvd {
namespace {

TEST(ToneList, HasTheOffEntryFiftyCtcssTonesAndBothDcsPolarities) {
    EXPECT_EQ(ToneList::Text(0, kChinese), "关闭");
    EXPECT_EQ(ToneList::Text(0, kEnglish), "Off");
    EXPECT_EQ(ToneList::Text(1, kEnglish), "67.0");
    EXPECT_EQ(ToneList::Text(9, kEnglish), "88.5");
    EXPECT_EQ(ToneList::Text(50, kEnglish), "254.1");
    EXPECT_EQ(ToneList::Text(51, kEnglish), "D023N");
    EXPECT_EQ(ToneList::Text(155, kEnglish), "D754N");
    EXPECT_EQ(ToneList::Text(156, kEnglish), "D023I");
    EXPECT_EQ(ToneList::Text(260, kEnglish), "D754I");
    EXPECT_EQ(ToneList::Text(261, kEnglish), "");
    EXPECT_EQ(ToneList::Text(-1, kEnglish), "");

    std::set<std::string> distinct;
    for (int p = 0; p < ToneList::kCount; ++p) {
        distinct.insert(ToneList::Text(p, kEnglish));
        EXPECT_EQ(ToneList::Position(ToneList::Text(p, kChinese)), p);
    }
    EXPECT_EQ(distinct.size(), 261u);
    EXPECT_EQ(ToneList::Position("Off"), 0);
    EXPECT_EQ(ToneList::Position("150.0"), -1);
}

TEST(ToneList, DcsCodesAreOctalAndCtcssTonesAscend) {
    for (int p = ToneList::kFirstDcsNormal; p < ToneList::kCount; ++p) {
        std::string text = ToneList::Text(p, kEnglish);
        ASSERT_EQ(text.size(), 5u);
        for (char c : text.substr(1, 3)) {
            EXPECT_TRUE(c >= '0' && c <= '7') << text;
        }
    }
    for (int p = 2; p <= 50; ++p) {
        EXPECT_LT(ToneList::CtcssTenths(p - 1), ToneList::CtcssTenths(p));
    }
}

TEST(ChoiceLists, KeepTheRadioMakersSpellingInBothLanguages) {
    EXPECT_EQ(ChoiceLists::Text(5, 1, kEnglish), "Hight");
    EXPECT_EQ(ChoiceLists::Text(6, 0, kEnglish), "Carrow");
    EXPECT_EQ(ChoiceLists::Text(6, 1, kChinese), "关闭");
    EXPECT_EQ(ChoiceLists::Text(8, 1, kEnglish), "Have");
    EXPECT_EQ(ChoiceLists::Text(8, 2, kEnglish), "");
    EXPECT_EQ(ChoiceLists::Text(4, 0, kEnglish), "");
    EXPECT_EQ(ChoiceLists::Position(7, "宽带"), 1);
    EXPECT_EQ(ChoiceLists::Position(7, "Narrow"), 0);
    EXPECT_EQ(ChoiceLists::Position(7, "Low"), -1);
    EXPECT_STREQ(ChoiceLists::ColumnCaption(7).zh, "宽\\窄带");
}

TEST(BandTable, LimitsComeFromTheItemTexts) {
    EXPECT_EQ(BandTable::LowMHz(0), 400);
    EXPECT_EQ(BandTable::HighMHz(0), 490);
    EXPECT_EQ(BandTable::LowMHz(5), 136);
    EXPECT_EQ(BandTable::HighMHz(5), 174);
    EXPECT_EQ(BandTable::HighMHz(6), 720);
    EXPECT_EQ(BandTable::PositionOfCode(0x01), 5);
    EXPECT_EQ(BandTable::PositionOfCode(0x73), 6);
    EXPECT_FALSE(BandTable::PositionOfCode(0x22).has_value());
}

TEST(PanelLists, NumbersArePlainDecimal) {
    EXPECT_EQ(PanelLists::Item(PanelList::Timeout, 0, kEnglish), "15 S");
    EXPECT_EQ(PanelLists::Item(PanelList::Timeout, 39, kChinese), "600 秒");
    EXPECT_EQ(PanelLists::Item(PanelList::Timeout, 40, kChinese), "");
    EXPECT_EQ(PanelLists::Item(PanelList::TimeoutWarning, 0, kEnglish), "Off");
    EXPECT_EQ(PanelLists::Item(PanelList::TimeoutWarning, 10, kEnglish), "10 S");
    EXPECT_EQ(PanelLists::Item(PanelList::Squelch, 0, kChinese), "0 级");
    EXPECT_EQ(PanelLists::Item(PanelList::VoicePrompt, 2, kEnglish), "Englist");
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include <set>

#include "catalogue/Catalogue.h"
#include "channels/ToneList.h"

namespace kvd {
namespace {

TEST(ToneList, OffFiftyAscendingCtcssTonesAndBothDcsPolaritiesEachOnce) {
    const std::pair<int, const char*> entries[] = {{1, "67.0"},    {9, "88.5"},    {50, "254.1"},
                                                   {51, "D023N"},  {155, "D754N"}, {156, "D023I"},
                                                   {260, "D754I"}, {261, ""}};
    for (auto [position, text] : entries) {
        EXPECT_EQ(TextIn(ToneList::Text(position), kEnglish), text) << position;
    }
    EXPECT_EQ(TextIn(ToneList::Text(0), kChinese), "关闭");
    std::set<std::string> distinct;
    for (int p = 0; p < ToneList::kCount; ++p) {
        distinct.insert(TextIn(ToneList::Text(p), kEnglish));
        EXPECT_EQ(ToneList::PositionOf(ToneList::At(p)), p);
    }
    EXPECT_EQ(distinct.size(), 261u);
    EXPECT_EQ(ToneList::PositionOf(Tone()), 0);
    EXPECT_EQ(ToneList::PositionOf(Tone::Ctcss(1500)), -1);
    EXPECT_EQ(ToneList::PositionOf(Tone::Dcs(024, Tone::Polarity::Normal)), -1) << "not listed";
    EXPECT_EQ(ToneList::PositionOf(Tone::FromWord(0x2013)), -1) << "no code of its own";
    EXPECT_EQ(ToneList::At(156).dcsCode(), 023);
    for (int p = 2; p <= 50; ++p) {
        EXPECT_LT(ToneList::At(p - 1).ctcssTenths(), ToneList::At(p).ctcssTenths());
    }
}

}  // namespace
}  // namespace kvd

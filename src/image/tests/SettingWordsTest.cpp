// Settings in the words of their controls: every list covers exactly what the user may choose,
// every value a user can set reads as a word in both languages, and no two settings share a
// caption.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/Catalogue.h"
#include "image/SettingWords.h"

namespace kvd {
namespace {

using FieldTable::Field;
namespace Words = SettingWords;

constexpr LanguageId kLanguages[] = {kChinese, kEnglish};

TEST(SettingWords, EveryListValueRoundTripsAndReadsAsItsItem) {
    int lists = 0;
    for (const Field& f : FieldTable::All()) {
        SCOPED_TRACE(f.name);
        const std::vector<UserText> items = Words::Items(f);
        if (items.empty()) {
            continue;
        }
        ++lists;
        const FieldTable::Range range = f.userRange();
        const int count = static_cast<int>(items.size());
        EXPECT_EQ(Words::ValueAt(f, 0), range.lowest) << "the list starts where the range does";
        EXPECT_EQ(Words::ValueAt(f, count - 1), range.highest) << "and ends where it ends";
        std::set<int> reached;
        for (int value = range.lowest; value <= range.highest; ++value) {
            const int position = Words::PositionOf(f, value);
            if (position < 0) {
                continue;  // between two steps of a list in steps
            }
            reached.insert(position);
            EXPECT_EQ(Words::ValueAt(f, position), value);
            EXPECT_EQ(Words::ValueWords(f, value), items[position]);
            for (LanguageId language : kLanguages) {
                EXPECT_FALSE(TextIn(items[position], language).empty()) << value;
            }
        }
        EXPECT_EQ(static_cast<int>(reached.size()), count) << "every item stands for a value";
        // A value no item shows (a radio's stray byte) still reads, as its number.
        EXPECT_EQ(Words::PositionOf(f, range.highest + 1), -1);
        EXPECT_EQ(TextIn(Words::ValueWords(f, range.highest + 1), kEnglish),
                  std::to_string(range.highest + 1));
    }
    EXPECT_GE(lists, 25);
}

// What the printout and the comparison call a setting must tell it from every other one.
TEST(SettingWords, EveryElementHasACaptionOfItsOwnInBothLanguages) {
    for (LanguageId language : kLanguages) {
        std::set<std::string> seen;
        for (const Field& f : FieldTable::All()) {
            for (int element = 0; element < f.count; ++element) {
                const std::string caption = TextIn(Words::ElementCaption(f, element), language);
                EXPECT_FALSE(caption.empty()) << f.name;
                EXPECT_TRUE(seen.insert(caption).second) << f.name << " " << caption;
            }
        }
    }
}

TEST(SettingWords, ValuesOutsideListsReadAsTheirControlsShowThem) {
    const Field& cancel = FieldTable::Of(&Settings::voxCancelOperation);
    const Field& delay = FieldTable::Of(&Settings::scanReceiveDelay);
    const Field& debug = FieldTable::Of(&Settings::debugFrequencies);
    EXPECT_EQ(TextIn(Words::ValueWords(cancel, true), kChinese), "使能");
    EXPECT_EQ(TextIn(Words::ValueWords(cancel, false), kEnglish), "Off");
    EXPECT_EQ(TextIn(Words::ValueWords(delay, 12), kEnglish), "12");
    EXPECT_EQ(TextIn(Words::ValueWords(delay, FieldValue()), kEnglish), "");
    EXPECT_EQ(TextIn(Words::ValueWords(debug, Frequency::FromTens(40012500)), kEnglish),
              "400.12500");
    EXPECT_EQ(TextIn(Words::ElementCaption(debug, 9), kChinese), "测试频率 05 发射频率");
    EXPECT_EQ(TextIn(Words::ElementCaption(FieldTable::Of(&Settings::embeddedInfo), 1), kEnglish),
              "Embedded information, line 2");
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include "link/LineMarks.h"

namespace kvd::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The pieces as text: data bytes in hex, a break as "|".
std::string Show(const std::vector<LineMarks::Piece>& pieces) {
    std::string text;
    for (const auto& p : pieces) {
        if (p.isBreak) {
            text += "|";
        }
        for (std::uint8_t b : p.bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", b);
            text += hex;
        }
    }
    return text;
}

TEST(LineMarksTest, UnmarksDataBreaksAndErrorBytes) {
    LineMarks marks;
    EXPECT_EQ(Show(marks.Feed(Bytes{0x06, 0xFF, 0xFF, 0x00, 0x57})), "06FF0057");
    EXPECT_EQ(Show(marks.Feed(Bytes{0x01, 0xFF, 0x00, 0x00, 0x06})), "01|06");
    EXPECT_EQ(Show(marks.Feed(Bytes{0xFF, 0x00, 0x3F})), "3F")
        << "a byte with a framing error stays data";
}

TEST(LineMarksTest, MarksSplitAcrossReads) {
    LineMarks marks;
    EXPECT_EQ(Show(marks.Feed(Bytes{0x06, 0xFF})), "06");
    EXPECT_EQ(Show(marks.Feed(Bytes{0xFF})), "FF");
    EXPECT_EQ(Show(marks.Feed(Bytes{0xFF, 0x00})), "");
    EXPECT_EQ(Show(marks.Feed(Bytes{0x00, 0x42})), "|42");
}

TEST(LineMarksTest, ByteByByteGivesTheSameAsWhole) {
    const Bytes raw = {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x4B, 0xFF, 0xFF,
                       0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x10};
    LineMarks whole, single;
    std::string byByte;
    for (std::uint8_t b : raw) {
        byByte += Show(single.Feed(Bytes{b}));
    }
    EXPECT_EQ(Show(whole.Feed(raw)), "FF|4BFF||10");
    EXPECT_EQ(byByte, "FF|4BFF||10");
}

}  // namespace
}  // namespace kvd::link

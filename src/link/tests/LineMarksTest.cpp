#include <gtest/gtest.h>

#include "image/HexText.h"
#include "link/LineMarks.h"

namespace kvd::link {
namespace {

// The pieces as text: data bytes in hex, a break as "|".
std::string Show(const std::vector<LineMarks::Piece>& pieces) {
    std::string text;
    for (const auto& p : pieces) {
        text += p.isBreak ? "|" : HexDigits(p.bytes);
    }
    return text;
}

// FF FF is a data FF, FF 00 00 a break, FF 00 X the byte X received with an error; marks may
// be split anywhere between reads.
TEST(LineMarksTest, UnmarksDataBreaksAndErrorBytesInAnyPieces) {
    const std::vector<std::uint8_t> raw = {0x06, 0xFF, 0xFF, 0x00, 0x57, 0xFF, 0x00,
                                           0x00, 0x4B, 0xFF, 0xFF, 0xFF, 0x00, 0x3F,
                                           0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x10};
    const std::string expected = "06FF0057|4BFF3F||10";
    LineMarks whole, single;
    EXPECT_EQ(Show(whole.Feed(raw)), expected);
    std::string byByte;
    for (std::uint8_t b : raw) {
        byByte += Show(single.Feed(std::span(&b, 1)));
    }
    EXPECT_EQ(byByte, expected);
}

}  // namespace
}  // namespace kvd::link

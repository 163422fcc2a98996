#include <gtest/gtest.h>

#include "texts/QuotedText.h"

namespace kvd {
namespace {

TEST(QuotedTextTest, ControlsQuotesAndBrokenUtf8AreEscapedAndLongTextCut) {
    const std::pair<std::string, std::string> cases[] = {
        {"145.5", "\"145.5\""},
        {"", "\"\""},
        {"a\nb\r\tc", "\"a\\nb\\r\\tc\""},
        {std::string("x\0y", 3), "\"x\\0y\""},
        {"\x1B[31mred", "\"\\x1B[31mred\""},
        {"say \"hi\" \\", "\"say \\\"hi\\\" \\\\\""},
        {"频率 ok", "\"频率 ok\""},
        {"\xC2\x9B"
         "1m",
         "\"\\xC2\\x9B1m\""},                     // C1 control sequence introducer
        {"\xFF\xC3(", "\"\\xFF\\xC3(\""},         // no UTF-8
        {"\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},  // a surrogate
        {std::string(40, 'a'), "\"" + std::string(40, 'a') + "\""},
        {std::string(41, 'a'), "\"" + std::string(40, 'a') + "\"…"},
        {std::string(20, '\n') + "tail", "\"" + std::string(40, '\0') + "\"…"},
    };
    for (auto [value, quoted] : cases) {
        if (quoted.find('\0') != std::string::npos) {  // twenty escaped line breaks
            quoted = "\"";
            for (int i = 0; i < 20; ++i) {
                quoted += "\\n";
            }
            quoted += "tail\"";
        }
        EXPECT_EQ(QuotedText(value), quoted);
    }
    EXPECT_EQ(QuotedText("频率频率", 2), "\"频率\"…") << "characters, not bytes";
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include "channels/DebugFrequencyRules.h"

namespace kvd {
namespace {

using namespace DebugFrequencyRules;

TEST(DebugFrequencyRules, ReceiveGoesToTheRasterThatMovesItLeastAsAThreeDigitText) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"145.009", "145.00625"},   {"145.0062", "145.00500"},
        {"145.00625", "145.00625"}, {"145.005", "145.00500"},
        {"146x", "146.00000"},      {"", ""},
        {"no number", "000.00000"}, {"-5", "000.00000"},
        {"45.0071", "045.00625"},   {"999.999", "999.99500"},
        {"1000", std::nullopt},     {std::string(400, '9'), std::nullopt},
    };
    for (const auto& [typed, snapped] : cases) {
        EXPECT_EQ(SnapReceive(typed), snapped) << typed;
    }
}

}  // namespace
}  // namespace kvd

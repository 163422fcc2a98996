#include <gtest/gtest.h>

#include "settings/ProgramSettings.h"

namespace kvd {
namespace {

TEST(ProgramSettings, StartupDefaults) {
    ProgramSettings s = ProgramSettings::StartupDefaults();
    for (int slot = 1; slot <= 15; ++slot) {
        EXPECT_EQ(s.FunctionOptions[slot], slot == 11 ? "0" : "1") << slot;
    }
    EXPECT_EQ(s.FunctionOptions[16], "");
    EXPECT_EQ(s.FunctionOptions[17], "1");
    EXPECT_EQ(s.FunctionOptions[18], "2");
    EXPECT_EQ(s.FunctionOptions[19], "");
    EXPECT_EQ(s.FunctionOptions[20], "");
    for (int slot = 21; slot <= 24; ++slot) {
        EXPECT_EQ(s.FunctionOptions[slot], "1");
    }
    EXPECT_EQ(s.BasicOptions, (std::array<std::int16_t, 8>{0, 1, 0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(s.GroupCodes[1], "1");
    EXPECT_EQ(s.GroupCodes[8], "8");
    EXPECT_EQ(s.KeyFunction1, 10);
    EXPECT_EQ(s.KeyFunction2, 0);
    EXPECT_EQ(s.HighPowerLevel, 208);
    EXPECT_EQ(s.LowPowerLevel, 92);
    EXPECT_EQ(s.EmbeddedInfo[0], "");
    EXPECT_EQ(s.DebugFrequencies[15][1], "");
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

using Col = ChannelTable::Column;

MemoryImage Erased() {
    MemoryImage m;
    m.fill(0xFF);
    return m;
}

// Values a radio cannot mean leave the setting as it was; tools/xcheck compares the rest of
// decoding, from the start-up state, against its own decoder.
TEST(DecodeImage, ErasedOrMeaninglessValuesKeepTheSetting) {
    RadioState s = StartupState(kChinese);
    s.settings.BasicOptions = {3, 2, 500, 2, 16, 0, 5, 15};
    s.settings.KeyFunction1 = 7;
    s.panel.positions = {2, 20, 5, 9, 0, 0};
    s.flags.DebugAccess = 1;
    s.band.TakeBand(4);
    s.table.setCell(3, Col::kRxFrequency, "145.00000");
    RadioState expected = s;
    ProgramSettings& e = expected.settings;
    e.BasicOptions[6] = 0;        // 0xFF reads as 0
    e.FunctionOptions[13] = "0";  // 0xFF is how an empty retrace time is written
    e.FunctionOptions[14] = "0";
    e.FunctionOptions[16] = e.FunctionOptions[17] = e.FunctionOptions[18] = "";
    e.FunctionOptions[19] = e.FunctionOptions[20] = "-1";  // FF FF
    e.GroupCodes = {};
    e.HighPowerLevel = e.LowPowerLevel = 255;
    DecodeImageBytes(Erased(), s);
    EXPECT_TRUE(s.settings == e);
    EXPECT_EQ(s.panel.positions, expected.panel.positions);
    EXPECT_EQ(s.band.position(), 4) << "an unknown band code changes nothing";
    EXPECT_FALSE(s.table.hasChannel(3));
    EXPECT_EQ(s.flags.DebugAccess, 0);
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

MemoryImage Erased() {
    MemoryImage m;
    m.fill(0xFF);
    return m;
}

// Values a radio cannot mean leave the setting as it was; tools/xcheck compares the rest of
// decoding, from the start-up state, against its own decoder.
TEST(DecodeImage, ErasedOrMeaninglessValuesKeepTheSetting) {
    RadioState s = StartupState(kChinese);
    Settings& set = s.settings;
    set.dtmfRate = 3;
    set.firstDigitTime = 2;
    set.firstDigitDelay = 500;
    set.starHashTone = 2;
    set.dKeyFunction = 16;
    set.dtmfSideTone = 0;
    set.groupCallCode = 5;
    set.autoResetTimer = 15;
    set.pf1Function = 7;
    set.voicePrompt = 2;
    set.transmitTimeout = 20;
    set.timeoutWarning = 5;
    set.squelchLevel = 9;
    set.batterySave = set.beep = 0;
    s.flags.DebugAccess = 1;
    s.band.TakeBand(4);
    s.channels[3] = test::MakeChannel("145.00000", "145.00000");
    RadioState expected = s;
    Settings& e = expected.settings;
    e.groupCallCode = 0;                  // 0xFF reads as 0
    e.retraceTimeA = e.retraceTimeB = 0;  // 0xFF is how an empty retrace time is written
    e.duplicate = 1;                      // bit 0 is always taken
    e.idCode = e.transmitStartCode = e.transmitEndCode = "";
    e.scanReceiveDelay = e.scanTransmitDelay = -1;  // FF FF
    e.autoDialMemories = {};
    e.highPowerLevel = e.lowPowerLevel = 255;
    DecodeImage(Erased(), s);
    EXPECT_TRUE(s.settings == e);
    EXPECT_EQ(s.band.position(), 4) << "an unknown band code changes nothing";
    EXPECT_FALSE(s.channels.has(3));
    EXPECT_EQ(s.flags.DebugAccess, 0);
}

}  // namespace
}  // namespace kvd

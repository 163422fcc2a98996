#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/FieldTable.h"
#include "image/HexText.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

TEST(EncodeImage, StartUpStateByteForByte) {
    const std::string expected = HexDigits(test::ExpectedStartupImage());
    EXPECT_EQ(HexDigits(EncodeImage(StartupState(kChinese))), expected);
    EXPECT_EQ(HexDigits(EncodeImage(StartupState(kEnglish))), expected);
}

TEST(EncodeImage, ChannelRecordFields) {
    RadioState s = StartupState(kEnglish);
    Channel c = test::MakeChannel("462.56250", "", 50, 260, {0, 0, 0, 1});  // 254.1, D754I
    s.channels[1] = c;  // a transmit tone without transmit frequency is kept
    s.channels[12] = test::MakeChannel("145.00000", "145.00000", 0, 0, {1, 1, 1, 1});
    MemoryImage m = EncodeImage(s);
    const std::uint8_t record1[] = {0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xED, 0x09, 0xEC, 0xA9, 0xF0, 0xC0, 0xFC, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(record1), std::end(record1), m.begin()));
    EXPECT_EQ(m[16 * 11 + 12], 0xF8) << "busy lock off";
    EXPECT_EQ(m[16 * 11 + 13], 0xF0) << "high power, wide";
    EXPECT_EQ(m[0x16E], 0x01);
    EXPECT_EQ(m[0x16F], 0x08) << "channel 12 is bit 3 of the second byte";
}

TEST(EncodeImage, SettingsThatChangeFormAndFieldsThatKeepTheirWidth) {
    RadioState s = StartupState(kChinese);
    Settings& set = s.settings;
    set.firstDigitDelay = 255;  // milliseconds, stored in tens
    set.groupCallCode = 4;
    set.duplicate = 0;
    set.retraceTimeA = 0;
    set.retraceTimeB = 91;
    set.scanReceiveDelay = -1;
    set.scanTransmitDelay = 300;
    set.autoDialMemories[0] = "0";
    set.transmitTimeout = -1;
    s.band.TakeBand(5);
    set.idCode = std::string(40, 'x');
    set.embeddedInfo[0] = std::string(100, 'y') + "中文";
    set.highPowerLevel = 999;
    MemoryImage m = EncodeImage(s);
    const std::pair<std::size_t, int> bytes[] = {
        {0x102, 0x19}, {0x106, '4'},  {0x12E, 0xFE}, {0x152, 0xFF}, {0x153, 91},   {0x155, 0xFF},
        {0x156, 0xFF}, {0x157, 0x2C}, {0x158, 0x01}, {0x1F0, 0x3A}, {0x120, 0x00}, {0x1AD, 0x01},
        {0x33C, 0x01}, {0x11A, 0xFF}, {0x310, 0xFF}, {0x173, 0xE7}};
    for (auto [offset, value] : bytes) {
        EXPECT_EQ(m[offset], value) << "offset " << offset;
    }
    set.scanReceiveDelay.reset();
    m = EncodeImage(s);
    EXPECT_EQ(m[0x155], 0x00) << "no delay entered is written as 0";
    EXPECT_EQ(m[0x156], 0x00);
}

// Bytes a radio cannot mean leave a setting as it was, erased records are empty channels, and
// decoding ends debug access. The golden corpus (tools/sidebyside) and tools/xcheck pin the
// rest of decoding, erased images among it.
TEST(DecodeImage, AnErasedImageKeepsWhatItCannotMean) {
    RadioState s = StartupState(kChinese);
    s.settings.squelchLevel = 9;
    s.settings.groupCallCode = 5;
    s.flags.DebugAccess = 1;
    s.band.TakeBand(4);
    s.channels[3] = test::MakeChannel("145.00000", "145.00000");
    MemoryImage erased;
    erased.fill(0xFF);
    DecodeImage(erased, s);
    EXPECT_EQ(s.settings.squelchLevel, 9);
    EXPECT_EQ(s.settings.groupCallCode, 0) << "0xFF reads as 0";
    EXPECT_EQ(s.band.position(), 4) << "an unknown band code changes nothing";
    EXPECT_FALSE(s.channels.has(3));
    EXPECT_EQ(s.flags.DebugAccess, 0);
}

// What the editors, dialogs and radios can make comes back unchanged, and encodes again to
// the very same bytes.
TEST(RoundTrip, RandomValidStatesAndTheirBytesComeBackUnchanged) {
    std::mt19937 random(20261206);
    for (int i = 0; i < 3000 && !HasFailure(); ++i) {
        SCOPED_TRACE("state " + std::to_string(i));
        const RadioState original = test::RandomValidState(random);
        const MemoryImage image = EncodeImage(original);
        RadioState decoded = StartupState(original.flags.Language);
        DecodeImage(image, decoded);
        test::ExpectSameImageContent(original, decoded);
        EXPECT_EQ(EncodeImage(decoded), image);
    }
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

// What the editors can make comes back unchanged, and encodes again to the very same bytes.
TEST(RoundTrip, RandomValidStatesAndTheirBytesComeBackUnchanged) {
    std::mt19937 random(20261206);
    for (int i = 0; i < 3000 && !HasFailure(); ++i) {
        SCOPED_TRACE("state " + std::to_string(i));
        const RadioState original = test::RandomValidState(random);
        const std::string image = EncodeImage(original);
        RadioState decoded = test::StartupState(original.flags.Language);
        DecodeImage(image, decoded);
        test::ExpectSameImageContent(original, decoded);
        EXPECT_EQ(EncodeImage(decoded), image);
    }
}

// Whatever a radio sends, what the program makes of it encodes to an image that decodes
// to the same thing again: nothing drifts through repeated reads and writes.
TEST(RoundTrip, AnyImageSettlesAfterOneDecode) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(byte(random)) * 4);
        for (auto& b : bytes) {  // mostly erased or small values, as radios hold them
            const int pick = byte(random);
            b = static_cast<std::uint8_t>(pick < 100   ? 0xFF
                                          : pick < 200 ? pick % 12
                                                       : byte(random));
        }
        RadioState s = test::StartupState(static_cast<LanguageId>(i % 2));
        DecodeImageBytes(bytes, s);
        const MemoryImage once = EncodeImageBytes(s);
        DecodeImageBytes(once, s);
        ASSERT_EQ(EncodeImageBytes(s), once) << "image " << i;
    }
}

}  // namespace
}  // namespace kvd

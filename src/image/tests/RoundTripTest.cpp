#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

TEST(RoundTrip, RandomValidStatesComeBackUnchanged) {
    std::mt19937 random(20261206);
    for (int i = 0; i < 3000; ++i) {
        RadioState original = test::RandomValidState(random);
        RadioState decoded = test::StartupState(original.flags.Language);
        DecodeImage(EncodeImage(original), decoded);
        SCOPED_TRACE("state " + std::to_string(i));
        test::ExpectSameImageContent(original, decoded);
        if (HasFailure()) {
            break;
        }
    }
}

// Whatever a radio sends, what the program makes of it encodes to an image that decodes
// to the same thing again: nothing drifts through repeated reads and writes.
TEST(RoundTrip, AnyImageSettlesAfterOneDecode) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(byte(random)) * 4);
        for (auto& b : bytes) {
            // Mostly erased or small values, as radios hold them, with some noise.
            int pick = byte(random);
            b = static_cast<std::uint8_t>(pick < 100   ? 0xFF
                                          : pick < 200 ? pick % 12
                                                       : byte(random));
        }
        RadioState s = test::StartupState(static_cast<LanguageId>(i % 2));
        DecodeImageBytes(bytes, s);
        MemoryImage once = EncodeImageBytes(s);
        DecodeImageBytes(once, s);
        MemoryImage twice = EncodeImageBytes(s);
        ASSERT_EQ(once, twice) << "image " << i;
    }
}

TEST(RoundTrip, RadioBytesOfAProgrammedImageSurvive) {
    std::mt19937 random(99);
    for (int i = 0; i < 500; ++i) {
        MemoryImage image = EncodeImageBytes(test::RandomValidState(random));
        RadioState s = test::StartupState(kEnglish);
        DecodeImageBytes(image, s);
        ASSERT_EQ(EncodeImageBytes(s), image) << "image " << i;
    }
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include "TestStates.h"
#include "image/ImageCodec.h"

namespace kvd {
namespace {

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

// Channel file bytes -> Open -> decode -> encode: the image settles after one decode, and
// from then on decoding what was encoded gives the very same state. (Not from the first
// decode on: a setting the file holds out of range keeps its start-up value, and a scan delay
// that starts as "none entered" is written as 0 and read back as 0.)
#include <cstdint>
#include <cstdlib>
#include <string>

#include "image/ChannelFile.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvd;
    RadioState state;
    state.flags.Language = size > 0 ? static_cast<LanguageId>(data[size - 1] % 3) : kChinese;
    ApplyStartupDefaults(state);
    if (!ChannelFile::OpenBytes(std::string(reinterpret_cast<const char*>(data), size), state)) {
        return 0;
    }
    const MemoryImage once = EncodeImage(state);
    DecodeImage(once, state);
    const RadioState settled = state;
    const MemoryImage twice = EncodeImage(state);
    DecodeImage(twice, state);
    if (twice != once || !(state == settled)) {
        std::abort();
    }
    if (ChannelFile::Render(state).size() != ChannelFile::kSize) {
        std::abort();
    }
    return 0;
}

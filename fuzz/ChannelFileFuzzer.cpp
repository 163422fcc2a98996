// Channel file bytes -> Open -> decode -> encode: the image settles after one decode, and
// decoding what was encoded gives the very same state.
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
    const RadioState opened = state;
    const MemoryImage once = EncodeImage(state);
    DecodeImage(once, state);
    if (!(state == opened) || EncodeImage(state) != once) {
        std::abort();
    }
    if (ChannelFile::Render(state).size() != ChannelFile::kSize) {
        std::abort();
    }
    return 0;
}

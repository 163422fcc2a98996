// Channel file bytes -> Open -> decode -> encode, and the image settles after one decode.
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
    std::string text = EncodeImage(state);
    if (text.size() != 2 * ByteMap::kImageSize) {
        std::abort();
    }
    MemoryImage once = EncodeImageBytes(state);
    DecodeImageBytes(once, state);
    if (EncodeImageBytes(state) != once) {
        std::abort();
    }
    std::string file = ChannelFile::Render(state);
    if (file.size() != ChannelFile::kSize) {
        std::abort();
    }
    return 0;
}

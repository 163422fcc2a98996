#include "image/ChannelFile.h"

#include <algorithm>
#include <span>

#include "image/ByteMap.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

namespace kvd::ChannelFile {

namespace {

bool HasSignature(const std::string& bytes) {
    return bytes.size() >= ByteMap::kModelTag.size() &&
           std::equal(ByteMap::kModelTag.begin(), ByteMap::kModelTag.end(), bytes.begin(),
                      [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
}

}  // namespace

Result ReadBytes(const std::filesystem::path& path, std::string& bytes, std::size_t limit) {
    return FileAccess::ReadRegular(path, bytes, limit);
}

Result Open(const std::filesystem::path& path, RadioState& state) {
    std::string bytes;
    Result read = ReadBytes(path, bytes);
    if (!read) {
        return read;
    }
    return OpenBytes(std::move(bytes), state);
}

Result OpenBytes(std::string bytes, RadioState& state) {
    bytes.resize(kSize, '\xFF');
    if (!HasSignature(bytes)) {
        return {Result::WrongSignature, {}};
    }
    auto image = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())
                     .subspan(ByteMap::kModelTag.size());
    DecodeImage(image, state);
    return {};
}

std::string Render(const RadioState& state) {
    MemoryImage image = EncodeImage(state);
    std::string bytes(ByteMap::kModelTag.begin(), ByteMap::kModelTag.end());
    bytes.append(image.begin(), image.end());
    return bytes;
}

Result WriteAtomically(const std::filesystem::path& path, const std::string& bytes) {
    return FileAccess::Replace(path, bytes);
}

Result Save(const std::filesystem::path& path, const RadioState& state) {
    return WriteAtomically(path, Render(state));
}

}  // namespace kvd::ChannelFile

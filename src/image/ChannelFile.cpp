#include "image/ChannelFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <span>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "image/ByteMap.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"

namespace kvd::ChannelFile {

namespace {

std::string ErrnoText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

bool HasSignature(const std::string& bytes) {
    return bytes.size() >= ByteMap::kModelTag.size() &&
           std::equal(ByteMap::kModelTag.begin(), ByteMap::kModelTag.end(), bytes.begin(),
                      [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    static std::mt19937_64 random{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    std::filesystem::path tmp = path;
    tmp += suffix;
    return tmp;
}

// Pushes the data to the disk before the rename, so a crash cannot leave an empty file.
void FlushToDisk([[maybe_unused]] const std::filesystem::path& path) {
#ifndef _WIN32
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

}  // namespace

Result ReadBytes(const std::filesystem::path& path, std::string& bytes, std::size_t limit) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {Result::CannotRead, ErrnoText(EISDIR)};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {Result::CannotRead, ErrnoText(errno)};
    }
    bytes.clear();
    std::array<char, 4096> chunk;
    while (bytes.size() < limit && in) {
        in.read(chunk.data(),
                static_cast<std::streamsize>(std::min(chunk.size(), limit - bytes.size())));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return {Result::CannotRead, ErrnoText(errno)};
    }
    return {};
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
    std::filesystem::path tmp = TemporaryBeside(path);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return {Result::CannotWrite, ErrnoText(errno)};
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            int error = errno;
            out.close();
            std::error_code ignored;
            std::filesystem::remove(tmp, ignored);
            return {Result::CannotWrite, ErrnoText(error)};
        }
    }
    FlushToDisk(tmp);
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        return {Result::CannotWrite, ec.message()};
    }
    return {};
}

Result Save(const std::filesystem::path& path, const RadioState& state) {
    return WriteAtomically(path, Render(state));
}

}  // namespace kvd::ChannelFile

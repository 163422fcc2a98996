#pragma once

#include <filesystem>
#include <string>

#include "image/MemoryImage.h"

namespace kvd {

struct RadioState;

// A channel file (".DAT"): the five bytes "KVD27" followed by the 848-byte memory image.
namespace ChannelFile {

constexpr std::size_t kSize = 5 + ByteMap::kImageSize;  // 853

struct Result {
    enum Kind { Ok, CannotRead, WrongSignature, CannotWrite };
    Kind kind = Ok;
    std::string detail;  // the operating system's reason, when there is one

    explicit operator bool() const { return kind == Ok; }
};

// The file's bytes as Open sees them: at most 853, a shorter file padded with 0xFF.
Result ReadBytes(const std::filesystem::path& path, std::string& bytes);

// Open: checks the signature, then decodes the image into the state. A wrong signature
// or an unreadable file leaves the state as it was.
Result Open(const std::filesystem::path& path, RadioState& state);

// The 853 bytes Save writes for the state.
std::string Render(const RadioState& state);

// Save: writes the whole file beside the target and renames it over the target, so an
// existing file is either left as it was or replaced whole.
Result Save(const std::filesystem::path& path, const RadioState& state);

// Writes bytes atomically (temporary file in the same folder, then rename).
Result WriteAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace ChannelFile
}  // namespace kvd

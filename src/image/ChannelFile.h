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

// The first `limit` bytes of a file (fewer when the file is shorter); a channel file's 853
// unless told otherwise.
Result ReadBytes(const std::filesystem::path& path, std::string& bytes, std::size_t limit = kSize);

// Open: checks the signature, then decodes the image into the state. A wrong signature
// or an unreadable file leaves the state as it was.
Result Open(const std::filesystem::path& path, RadioState& state);
// The same for a file's bytes already in memory (any length).
Result OpenBytes(std::string bytes, RadioState& state);

// The 853 bytes Save writes for the state.
std::string Render(const RadioState& state);

// Save: writes the whole file beside the target and renames it over the target, so an
// existing file is either left as it was or replaced whole.
Result Save(const std::filesystem::path& path, const RadioState& state);

// Writes bytes atomically (temporary file in the same folder, then rename).
Result WriteAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace ChannelFile
}  // namespace kvd

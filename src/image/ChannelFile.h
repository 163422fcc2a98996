#pragma once

#include <filesystem>
#include <string>

#include "image/FileAccess.h"
#include "image/MemoryImage.h"

namespace kvd {

struct RadioState;

// A channel file (".DAT"): the five bytes "KVD27" followed by the 848-byte memory image.
namespace ChannelFile {

constexpr std::size_t kSize = 5 + ByteMap::kImageSize;  // 853

using Result = FileResult;

// The first `limit` bytes of a regular file (fewer when the file is shorter); a channel
// file's 853 unless told otherwise.
Result ReadBytes(const std::filesystem::path& path, std::string& bytes, std::size_t limit = kSize);

// Open: checks the signature, then decodes the image into the state. A wrong signature
// or an unreadable file leaves the state as it was.
Result Open(const std::filesystem::path& path, RadioState& state);
// The same for a file's bytes already in memory (any length).
Result OpenBytes(std::string bytes, RadioState& state);

// The 853 bytes Save writes for the state.
std::string Render(const RadioState& state);

// Save: an existing file is either left as it was or replaced whole (FileAccess::Replace).
Result Save(const std::filesystem::path& path, const RadioState& state);

// Writes bytes as Save does.
Result WriteAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace ChannelFile
}  // namespace kvd

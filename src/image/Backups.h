#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "image/ChannelFile.h"

namespace kvd {

struct RadioState;

// A channel file of every successful read, so a write that goes wrong can be undone by
// writing the backup back. Named by local date and time; the newest 100 are kept.
namespace Backups {

constexpr int kKept = 100;

struct Saved {
    ChannelFile::Result result;
    std::filesystem::path path;
};

// Writes the state as "KVD270-YYYYMMDD-HHMMSS.DAT" in `folder` (created when missing;
// "-2", "-3"... when that name is taken, also by another process at the same moment), whole
// or not at all, then removes the oldest backups beyond the newest kKept. The one just
// written is never removed, and no file but the program's own backups is.
Saved Save(const std::filesystem::path& folder, const RadioState& state,
           std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// The backups in `folder` (names of the program's own pattern only), oldest first.
std::vector<std::filesystem::path> List(const std::filesystem::path& folder);

}  // namespace Backups
}  // namespace kvd

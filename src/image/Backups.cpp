#include "image/Backups.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "image/FileAccess.h"
#include "image/RadioState.h"

namespace kvd::Backups {

namespace {

constexpr std::string_view kPrefix = "KVD270-";
constexpr std::string_view kSuffix = ".DAT";
constexpr int kMostPerSecond = 1000;  // "-2" .. "-1000"

std::string Stamp(std::chrono::system_clock::time_point now) {
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
    return buffer;
}

constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Only names of the program's own pattern: "KVD270-YYYYMMDD-HHMMSS.DAT", or with "-N" (N from
// 2) for further backups within the same second. A user's "KVD270-0-keep.DAT" is none.
bool IsBackupName(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return false;
    }
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    if (name.size() < kStampLength || !AllDigits(name.substr(0, 8)) || name[8] != '-' ||
        !AllDigits(name.substr(9, 6))) {
        return false;
    }
    std::string_view more = name.substr(kStampLength);
    return more.empty() ||
           (more.size() <= 10 && more[0] == '-' && AllDigits(more.substr(1)) && more[1] != '0');
}

// Names sort by time, then by the "-N" of further backups within the same second.
std::pair<std::string, long> SortKey(const std::filesystem::path& p) {
    std::string stem = FileAccess::Utf8Of(p.stem());
    std::size_t stampEnd = kPrefix.size() + kStampLength;
    long n = stampEnd + 1 < stem.size() ? std::strtol(stem.c_str() + stampEnd + 1, nullptr, 10) : 1;
    return {stem.substr(0, stampEnd), n};
}

bool Older(const std::filesystem::path& a, const std::filesystem::path& b) {
    return SortKey(a) < SortKey(b);
}

// Removes the oldest backups beyond the newest kKept, never the one just written (with the
// clock set back it sorts before older ones).
void Prune(const std::filesystem::path& folder, const std::filesystem::path& written) {
    std::vector<std::filesystem::path> others = List(folder);
    std::erase_if(
        others, [&](const std::filesystem::path& p) { return p.filename() == written.filename(); });
    std::error_code ec;
    for (std::size_t i = 0; i + kKept - 1 < others.size(); ++i) {
        std::filesystem::remove(others[i], ec);
    }
}

}  // namespace

std::vector<std::filesystem::path> List(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> backups;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        // Any other name may be there too, in any script: compared as UTF-8, which every
        // name converts to (the Windows code page may lack its letters).
        if (entry.is_regular_file(ec) &&
            IsBackupName(FileAccess::Utf8Of(entry.path().filename()))) {
            backups.push_back(entry.path());
        }
    }
    std::sort(backups.begin(), backups.end(), Older);
    return backups;
}

Saved Save(const std::filesystem::path& folder, const RadioState& state,
           std::chrono::system_clock::time_point now) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return {{ChannelFile::Result::CannotWrite, ec.message()}, {}};
    }
    const std::string stem = std::string(kPrefix) + Stamp(now);
    const std::string bytes = ChannelFile::Render(state);
    for (int n = 1; n <= kMostPerSecond; ++n) {
        std::filesystem::path path =
            folder / (stem + (n > 1 ? "-" + std::to_string(n) : "") + std::string(kSuffix));
        bool taken = false;
        ChannelFile::Result created = FileAccess::CreateNew(path, bytes, taken);
        if (created) {
            Prune(folder, path);
            return {created, path};
        }
        if (!taken) {
            return {created, path};
        }
    }
    return {
        {ChannelFile::Result::CannotWrite, std::make_error_code(std::errc::file_exists).message()},
        {}};
}

}  // namespace kvd::Backups

#include "image/Backups.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "image/RadioState.h"

namespace kvd::Backups {

namespace {

constexpr std::string_view kPrefix = "KVD270-";
constexpr std::string_view kSuffix = ".DAT";

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

bool IsBackup(const std::filesystem::path& p) {
    std::string name = p.filename().string();
    return name.size() > kPrefix.size() + kSuffix.size() && name.starts_with(kPrefix) &&
           name.ends_with(kSuffix);
}

constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

// Names sort by time, then by the "-N" of further backups within the same second.
std::pair<std::string, long> SortKey(const std::filesystem::path& p) {
    std::string stem = p.stem().string();
    std::size_t stampEnd = std::min(stem.size(), kPrefix.size() + kStampLength);
    long n = stampEnd + 1 < stem.size() ? std::strtol(stem.c_str() + stampEnd + 1, nullptr, 10) : 1;
    return {stem.substr(0, stampEnd), n};
}

bool Older(const std::filesystem::path& a, const std::filesystem::path& b) {
    return SortKey(a) < SortKey(b);
}

}  // namespace

std::vector<std::filesystem::path> List(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> backups;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec) && IsBackup(entry.path())) {
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
    std::string stem = std::string(kPrefix) + Stamp(now);
    std::filesystem::path path = folder / (stem + std::string(kSuffix));
    for (int n = 2; std::filesystem::exists(path, ec); ++n) {
        path = folder / (stem + "-" + std::to_string(n) + std::string(kSuffix));
    }
    Saved saved{ChannelFile::Save(path, state), path};
    if (saved.result) {
        std::vector<std::filesystem::path> backups = List(folder);
        for (std::size_t i = 0; i + kKept < backups.size(); ++i) {
            std::filesystem::remove(backups[i], ec);
        }
    }
    return saved;
}

}  // namespace kvd::Backups

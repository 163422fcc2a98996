#include "link/PortNames.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

namespace kvd::link::PortNames {

namespace fs = std::filesystem;

namespace {

// Device name prefixes in the order their groups are numbered.
constexpr std::array<std::string_view, 3> kLinuxGroups = {"ttyUSB", "ttyACM", "ttyS"};
constexpr std::string_view kMacPrefix = "cu.";

// The number after the prefix, or -1 when the rest is not all digits.
long NumberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return -1;
    }
    long value = 0;
    for (char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9' || value > 1'000'000) {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

std::vector<std::string> LinuxDevices(const fs::path& folder) {
    const std::vector<std::string> names = Names(folder);
    std::vector<std::string> devices;
    for (std::string_view prefix : kLinuxGroups) {
        std::vector<std::pair<long, std::string>> group;
        for (const std::string& name : names) {
            if (long n = NumberAfter(name, prefix); n >= 0) {
                group.emplace_back(n, name);
            }
        }
        std::sort(group.begin(), group.end());
        for (const auto& entry : group) {
            devices.push_back((folder / entry.second).string());
        }
    }
    return devices;
}

std::vector<std::string> MacDevices(const fs::path& folder) {
    std::vector<std::string> devices;
    for (const std::string& name : Names(folder)) {
        if (name.size() > kMacPrefix.size() && name.starts_with(kMacPrefix)) {
            devices.push_back((folder / name).string());
        }
    }
    std::sort(devices.begin(), devices.end());
    return devices;
}

// Where an entry of the configuration folder leads; empty when there is no such entry.
std::string LinkTarget(const fs::path& entry) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(entry, ec))) {
        return {};
    }
    if (!fs::is_symlink(fs::symlink_status(entry, ec))) {
        return entry.string();
    }
    fs::path target = fs::read_symlink(entry, ec);
    if (ec) {
        return entry.string();
    }
    return (target.is_absolute() ? target : entry.parent_path() / target)
        .lexically_normal()
        .string();
}

}  // namespace

Platform Current() {
#if defined(_WIN32)
    return Platform::Windows;
#elif defined(__APPLE__)
    return Platform::MacOS;
#else
    return Platform::Linux;
#endif
}

std::vector<std::string> SerialDevices(const fs::path& deviceFolder, Platform platform) {
    switch (platform) {
        case Platform::Linux:
            return LinuxDevices(deviceFolder);
        case Platform::MacOS:
            return MacDevices(deviceFolder);
        case Platform::Windows:
            break;
    }
    return {};
}

std::string DeviceFor(int n, const fs::path& configFolder, Platform platform,
                      const fs::path& deviceFolder) {
    if (n < 1) {
        return {};
    }
    const std::string com = "COM" + std::to_string(n);
    if (platform == Platform::Windows) {
        return com;
    }
    if (!configFolder.empty()) {
        for (const std::string& name : {com, "com" + std::to_string(n)}) {
            if (std::string target = LinkTarget(configFolder / name); !target.empty()) {
                return target;
            }
        }
    }
    std::vector<std::string> devices = SerialDevices(deviceFolder, platform);
    return static_cast<std::size_t>(n) <= devices.size() ? devices[static_cast<std::size_t>(n) - 1]
                                                         : std::string();
}

std::string DevicePath(const std::string& name, Platform platform) {
    if (name.empty() || platform == Platform::Windows || fs::path(name).is_absolute()) {
        return name;
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(name, ec);
    return ec ? name : absolute.lexically_normal().string();
}

}  // namespace kvd::link::PortNames

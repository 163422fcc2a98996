#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kvd::link::PortNames {

enum class Platform { Windows, Linux, MacOS };

Platform Current();

// The machine's serial devices in the order the menu items take them: on Linux the USB
// adapters (ttyUSB*, then ttyACM*, each by number), then ttyS* by number; on macOS cu.* by
// name. Windows has no device folder to list.
std::vector<std::string> SerialDevices(const std::filesystem::path& deviceFolder,
                                       Platform platform);

// The device behind menu item n (1..8). Windows: "COMn". Elsewhere: the target of an entry
// "COMn" (or Wine's "comn") in the configuration folder, else the n-th serial device; empty
// when there is none.
std::string DeviceFor(int n, const std::filesystem::path& configFolder,
                      Platform platform = Current(),
                      const std::filesystem::path& deviceFolder = "/dev");

// The device a name the user gave stands for. A relative name ("mylink") is a file in the
// working folder, as for any other file, not one under /dev; Windows names ("COM3") stay.
std::string DevicePath(const std::string& name, Platform platform = Current());

}  // namespace kvd::link::PortNames

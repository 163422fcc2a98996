#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "link/PortNames.h"

namespace kvd::link {
namespace {

namespace fs = std::filesystem;
using PortNames::DeviceFor;
using PortNames::Platform;

class PortNamesTest : public ::testing::Test {
protected:
    fs::path root =
        fs::temp_directory_path() / ("kvd-portnames-" + std::to_string(std::random_device{}()));
    fs::path dev = root / "dev";
    fs::path config = root / "config";

    void SetUp() override {
        fs::create_directories(dev);
        fs::create_directories(config);
        for (const char* name :
             {"ttyS10", "ttyS2", "ttyS0", "ttyUSB1", "ttyUSB0", "ttyACM0", "ttyUSBx", "tty",
              "cu.usbserial-2", "cu.Bluetooth", "tty.usbserial-2"}) {
            std::ofstream(dev / name);
        }
    }
    void TearDown() override { fs::remove_all(root); }
    std::string Dev(const char* name) const { return (dev / name).string(); }
};

TEST_F(PortNamesTest, UsbAdaptersThenBuiltInPortsByNumber) {
    const std::vector<std::string> ordered = {Dev("ttyUSB0"), Dev("ttyUSB1"), Dev("ttyACM0"),
                                              Dev("ttyS0"),   Dev("ttyS2"),   Dev("ttyS10")};
    EXPECT_EQ(PortNames::SerialDevices(dev, Platform::Linux), ordered);
    EXPECT_EQ(PortNames::SerialDevices(dev, Platform::MacOS),
              (std::vector<std::string>{Dev("cu.Bluetooth"), Dev("cu.usbserial-2")}));
    EXPECT_EQ(DeviceFor(3, config, Platform::Linux, dev), Dev("ttyACM0"));
    EXPECT_EQ(DeviceFor(7, config, Platform::Linux, dev), "") << "fewer devices than items";
    EXPECT_EQ(DeviceFor(5, config, Platform::Windows, dev), "COM5");
    EXPECT_EQ(DeviceFor(0, config, Platform::Windows, dev), "");
}

#ifndef _WIN32
// Wine-style COMn links: symbolic links, which only POSIX systems make freely.
TEST_F(PortNamesTest, ComEntriesComeFirst) {
    fs::create_symlink("/dev/pts/9", config / "COM1");
    fs::create_symlink("../dev/ttyS2", config / "com2");  // as Wine names them, relative
    EXPECT_EQ(DeviceFor(1, config, Platform::Linux, dev), "/dev/pts/9");
    EXPECT_EQ(DeviceFor(2, config, Platform::Linux, dev), Dev("ttyS2"));
    EXPECT_EQ(DeviceFor(3, config, Platform::Linux, dev), Dev("ttyACM0"));
}

// Names like "/dev/ttyUSB0" are absolute only where such devices are.
TEST(PortNamesPathTest, ARelativeNameIsInTheWorkingFolder) {
    const fs::path here = fs::current_path();
    EXPECT_EQ(PortNames::DevicePath("mylink", Platform::Linux), (here / "mylink").string());
    EXPECT_EQ(PortNames::DevicePath("./links/../mylink", Platform::MacOS),
              (here / "mylink").string());
    EXPECT_EQ(PortNames::DevicePath("/dev/ttyUSB0", Platform::Linux), "/dev/ttyUSB0");
    EXPECT_EQ(PortNames::DevicePath("COM3", Platform::Windows), "COM3");
    EXPECT_EQ(PortNames::DevicePath("", Platform::Linux), "");
}
#else
// On Windows item N is COMN whatever the configuration folder holds, and port names are the
// system's own, never files in the working folder.
TEST_F(PortNamesTest, OnWindowsItemNIsComN) {
    EXPECT_EQ(PortNames::Current(), Platform::Windows);
    std::ofstream(config / "COM1") << "not a port";
    std::ofstream(config / "com2") << "not a port";
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(DeviceFor(n, config), "COM" + std::to_string(n));
    }
    EXPECT_TRUE(PortNames::SerialDevices(dev, PortNames::Current()).empty());
    for (const char* name : {"COM3", "COM12", "\\\\.\\COM12", "mylink"}) {
        EXPECT_EQ(PortNames::DevicePath(name), name);
    }
}
#endif

}  // namespace
}  // namespace kvd::link

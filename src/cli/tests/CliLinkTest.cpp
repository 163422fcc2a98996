#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "Processes.h"
#include "image/ChannelFile.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"
#include "link/PortNames.h"
#include "link/Wire.h"
#include "sim/DemoImage.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

// kvd270-cli read and write against kvd270-sim on a real pseudo-terminal.
class CliLinkTest : public ::testing::Test {
protected:
    fs::path dir;
    std::unique_ptr<test::Child> sim;
    std::string device;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kvd-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        sim.reset();
        fs::remove_all(dir);
    }

    void StartSim(std::vector<std::string> options) {
        options.insert(options.begin(), KVD_SIM);
        sim = std::make_unique<test::Child>(options);
        device = sim->ReadLine();
        ASSERT_TRUE(device.starts_with("/dev/")) << "kvd270-sim said: " << device;
    }

    static test::Finished Cli(std::vector<std::string> args) {
        args.insert(args.begin(), KVD_CLI);
        return test::RunToEnd(args);
    }

    static std::string ReadAll(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // A channel file whose content differs from the simulator's built-in image.
    fs::path WriteFile(const char* name, int band) {
        RadioState state;
        state.flags.Language = kEnglish;
        ApplyStartupDefaults(state);
        state.band.TakeBand(band);
        state.table.setCell(7, 1, "145.50000");
        state.settings.LowPowerLevel = 33;
        fs::path file = dir / name;
        EXPECT_TRUE(ChannelFile::Save(file, state));
        return file;
    }
};

TEST_F(CliLinkTest, ReadSavesWhatTheRadioHolds) {
    StartSim({"--band-code", "01"});
    fs::path out = dir / "READ.DAT";
    test::Finished read = Cli({"read", "--port", device, "--out", out.string()});
    ASSERT_EQ(read.status, 0) << read.errors;
    EXPECT_TRUE(sim->WaitForLine("ended read, 16 blocks"));

    std::string bytes = ReadAll(out);
    ASSERT_EQ(bytes.size(), ChannelFile::kSize);
    // Save right after the read: the image of the decoded state, here the radio's own.
    MemoryImage radio = sim::DemoImage(5);
    EXPECT_EQ(bytes.substr(5), std::string(radio.begin(), radio.end()));
    EXPECT_EQ(read.errors.find("error"), std::string::npos) << read.errors;
}

TEST_F(CliLinkTest, WriteStoresTheFileInTheRadio) {
    fs::path saved = dir / "RADIO.DAT";
    StartSim({"--band-code", "01", "--save", saved.string()});
    fs::path file = WriteFile("MINE.DAT", 5);
    test::Finished write = Cli({"write", "--port", device, file.string()});
    ASSERT_EQ(write.status, 0) << write.errors;
    ASSERT_TRUE(sim->WaitForLine("ended write, 46 blocks"));
    ASSERT_TRUE(sim->WaitForLine("saved"));

    std::string mine = ReadAll(file);
    std::string radio = ReadAll(saved);
    ASSERT_EQ(radio.size(), ChannelFile::kSize);
    for (std::size_t k = 0; k < ByteMap::kImageSize; ++k) {
        auto address = static_cast<std::uint16_t>(ByteMap::kRadioBase + k);
        if (link::Wire::IsWritable(address, false)) {
            ASSERT_EQ(radio[5 + k], mine[5 + k]) << "image offset " << k;
        }
    }
    MemoryImage before = sim::DemoImage(5);
    EXPECT_EQ(static_cast<std::uint8_t>(radio[5 + ByteMap::kLowPowerLevel]),
              before[ByteMap::kLowPowerLevel])
        << "no calibration without debug access";
}

TEST_F(CliLinkTest, DebugAccessWritesTheCalibrationToo) {
    fs::path saved = dir / "RADIO.DAT";
    StartSim({"--band-code", "01", "--save", saved.string()});
    fs::path file = WriteFile("MINE.DAT", 5);
    test::Finished write = Cli({"write", "--port", device, "--debug-access", file.string()});
    ASSERT_EQ(write.status, 0) << write.errors;
    ASSERT_TRUE(sim->WaitForLine("ended write, 47 blocks"));
    ASSERT_TRUE(sim->WaitForLine("saved"));
    EXPECT_EQ(ReadAll(saved)[5 + ByteMap::kLowPowerLevel], 33);
}

TEST_F(CliLinkTest, BandQuestionIsAnsweredByYes) {
    StartSim({"--band-code", "01"});
    fs::path file = WriteFile("OTHER.DAT", 0);
    test::Finished no = Cli({"write", "--port", device, file.string()});
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.errors.find("Frequency band with discrepancies, do you wish to continue? No"),
              std::string::npos)
        << no.errors;
    EXPECT_TRUE(sim->WaitForLine("ended write, 0 blocks"));

    test::Finished yes = Cli({"write", "--port", device, "--yes", file.string()});
    EXPECT_EQ(yes.status, 0) << yes.errors;
    EXPECT_TRUE(sim->WaitForLine("ended write, 46 blocks"));
}

TEST_F(CliLinkTest, SilentRadioTimesOutAndLeavesTheFileAlone) {
    StartSim({"--silent"});
    fs::path out = dir / "KEEP.DAT";
    std::ofstream(out) << "old content";
    auto start = std::chrono::steady_clock::now();
    test::Finished read = Cli({"read", "--port", device, "--out", out.string()});
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(read.status, 1);
    EXPECT_GE(elapsed, std::chrono::milliseconds(3000));
    EXPECT_LT(elapsed, std::chrono::milliseconds(6000));
    EXPECT_NE(read.errors.find("Communication error, please check the intercom model"),
              std::string::npos)
        << read.errors;
    EXPECT_EQ(ReadAll(out), "old content");
    EXPECT_TRUE(sim->WaitForLine("ended read, 0 blocks")) << "the final E reached the radio";

    fs::path none = dir / "NONE.DAT";
    EXPECT_EQ(Cli({"read", "--port", device, "--out", none.string()}).status, 1);
    EXPECT_FALSE(fs::exists(none));
}

TEST_F(CliLinkTest, RadioStoppingMidReadFails) {
    StartSim({"--stop-after", "5"});
    fs::path out = dir / "HALF.DAT";
    test::Finished read = Cli({"read", "--port", device, "--out", out.string(), "--lang", "zh"});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.errors.find("通信出错"), std::string::npos) << read.errors;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliLinkTest, RepliesInSmallPiecesAreRead) {
    StartSim({"--split", "3"});
    fs::path out = dir / "PIECES.DAT";
    test::Finished read = Cli({"read", "--port", device, "--out", out.string()});
    EXPECT_EQ(read.status, 0) << read.errors;
    EXPECT_EQ(ReadAll(out).size(), ChannelFile::kSize);
}

TEST_F(CliLinkTest, PortThatCannotBeOpened) {
    fs::path out = dir / "X.DAT";
    test::Finished read = Cli({"read", "--port", "/dev/kvd-no-such-port", "--out", out.string()});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.errors.find("/dev/kvd-no-such-port"), std::string::npos) << read.errors;
    EXPECT_NE(read.errors.find("Communication port not open"), std::string::npos) << read.errors;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliLinkTest, LinkMakesTheDeviceAMenuItem) {
    fs::path config = dir / "config";
    fs::create_directories(config);
    StartSim({"--link", (config / "COM4").string()});
    std::string item4 = link::PortNames::DeviceFor(4, config);
    EXPECT_EQ(item4, device);
    fs::path out = dir / "VIA-LINK.DAT";
    EXPECT_EQ(Cli({"read", "--port", (config / "COM4").string(), "--out", out.string()}).status, 0);
    sim.reset();
    EXPECT_FALSE(fs::exists(fs::symlink_status(config / "COM4")))
        << "the link goes with the simulator";
}

TEST_F(CliLinkTest, BadUsageAndUnreadableFiles) {
    EXPECT_EQ(Cli({"read", "--out", "X.DAT"}).status, 2);
    EXPECT_EQ(Cli({"read", "--port", "/dev/null"}).status, 2);
    EXPECT_EQ(Cli({"write", "--port", "/dev/null"}).status, 2);
    EXPECT_EQ(Cli({"write", "--port", "/dev/null", "--lang", "fr", "A.DAT"}).status, 2);
    EXPECT_EQ(Cli({"write", "--port", "/dev/null", (dir / "MISSING.DAT").string()}).status, 2);
    fs::path wrong = dir / "WRONG.DAT";
    std::ofstream(wrong) << "NOT A CHANNEL FILE";
    EXPECT_EQ(Cli({"write", "--port", "/dev/null", wrong.string()}).status, 2);
    EXPECT_EQ(
        Cli({"read", "--port", "/dev/null", "--out", (dir / "no" / "such" / "X.DAT").string()})
            .status,
        2);
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "CliFixture.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "link/PortNames.h"
#include "link/Wire.h"
#include "sim/DemoImage.h"

namespace kvd {
namespace {

using test::CliTest;
using test::Finished;
namespace fs = std::filesystem;

TEST_F(CliTest, ReadAndWriteTheVirtualRadioThroughAComEntry) {
    StartSim({"--band-code", "01", "--split", "3", "--save", Path("RADIO.DAT"), "--link",
              Path("config/COM4")});
    EXPECT_EQ(link::PortNames::DeviceFor(4, dir / "config"), device.toStdString());
    const QString port = Path("config/COM4");

    Finished read = Cli({"read", "--port", port, "--out", Path("READ.DAT")});
    ASSERT_EQ(read.status, 0) << read.errors;
    EXPECT_TRUE(SimSays("ended read, 16 blocks"));
    MemoryImage radio = sim::DemoImage(5);
    EXPECT_EQ(ReadAll(dir / "READ.DAT"), "KVD27" + std::string(radio.begin(), radio.end()));
    const fs::path backups = dir / "data" / "kvd270" / "backups";
    ASSERT_EQ(Backups::List(backups).size(), 1u) << read.errors;
    EXPECT_EQ(ReadAll(Backups::List(backups)[0]), ReadAll(dir / "READ.DAT"));
    EXPECT_NE(read.errors.find(Backups::List(backups)[0].string()), std::string::npos) << "named";
    ASSERT_EQ(Cli({"read", "--no-backup", "--port", port, "--out", Path("AGAIN.DAT")}).status, 0);
    EXPECT_EQ(Backups::List(backups).size(), 1u);

    // A file for band 0 against the radio's band 5, and a calibration the radio does not have.
    RadioState mine;
    ApplyStartupDefaults(mine);
    mine.channels[7] = Channel{};
    mine.channels[7]->rx = Frequency::FromTens(44550000);
    mine.settings.lowPowerLevel = 33;
    ASSERT_TRUE(ChannelFile::Save(dir / "MINE.DAT", mine));
    // The band question comes from the backup read; No writes nothing.
    Finished no = Cli({"write", "--port", port, Path("MINE.DAT")});
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.errors.find("Frequency band with discrepancies, do you wish to continue? No"),
              std::string::npos)
        << no.errors;
    EXPECT_TRUE(SimSays("ended read, 16 blocks"));
    EXPECT_FALSE(sim.waitForReadyRead(300)) << "no write conversation";

    ASSERT_EQ(Cli({"write", "--port", port, "--yes", Path("MINE.DAT")}).status, 0);
    ASSERT_TRUE(SimSays("ended write, 46 blocks"));
    ASSERT_TRUE(SimSays("saved"));
    const std::string file = ReadAll(dir / "MINE.DAT");
    std::string written = ReadAll(dir / "RADIO.DAT");
    ASSERT_EQ(written.size(), ChannelFile::kSize);
    for (std::size_t k = 0; k < ByteMap::kImageSize; ++k) {
        const bool writable =
            link::Wire::IsWritable(static_cast<std::uint16_t>(ByteMap::kRadioBase + k), false);
        ASSERT_EQ(written[5 + k], writable ? file[5 + k] : static_cast<char>(radio[k]))
            << "image offset " << k;
    }
    ASSERT_EQ(Cli({"write", "--port", port, "--yes", "--debug-access", Path("MINE.DAT")}).status,
              0);
    ASSERT_TRUE(SimSays("ended write, 47 blocks"));
    ASSERT_TRUE(SimSays("saved"));
    EXPECT_EQ(ReadAll(dir / "RADIO.DAT")[5 + FieldTable::Of(&Settings::lowPowerLevel).offset], 33);

    sim.terminate();
    sim.waitForFinished();
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "config" / "COM4")))
        << "the link goes with the simulator";
}

TEST_F(CliTest, SilentRadioTimesOutAndLeavesTheFileAlone) {
    StartSim({"--silent"});
    std::ofstream(dir / "KEEP.DAT") << "old content";
    QElapsedTimer clock;
    clock.start();
    Finished read = Cli({"read", "--port", device, "--out", Path("KEEP.DAT"), "--lang", "zh"});
    EXPECT_EQ(read.status, 1);
    EXPECT_GE(clock.elapsed(), 3000);
    EXPECT_NE(read.errors.find("通信出错，请检查对讲机型号"), std::string::npos) << read.errors;
    EXPECT_EQ(ReadAll(dir / "KEEP.DAT"), "old content");
    EXPECT_TRUE(SimSays("ended read, 0 blocks")) << "the final E reached the radio";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "no file but KEEP.DAT was made";
}

// The JSON form is checked against an independent decoder by tools/xcheck.
TEST_F(CliTest, ShowPrintsTheFileForAPerson) {
    RadioState state;
    ApplyStartupDefaults(state);
    state.band.TakeBand(5);
    state.channels[2] = Channel{};
    state.channels[2]->rx = Frequency::FromTens(14552500);
    ASSERT_TRUE(ChannelFile::Save(dir / "A.DAT", state));
    Finished text = Cli({"show", Path("A.DAT"), "--lang", "zh"});
    EXPECT_EQ(text.status, 0);
    for (const char* shown : {"136-174MHz", "接收频率", "145.52500"}) {
        EXPECT_NE(text.out.find(shown), std::string::npos) << shown << "\n" << text.out;
    }
}

TEST_F(CliTest, PortsThatCannotBeOpenedAndBadUsage) {
    Finished read = Cli({"read", "--port", "/dev/kvd-no-such-port", "--out", Path("X.DAT")});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.errors.find("/dev/kvd-no-such-port"), std::string::npos) << read.errors;
    EXPECT_NE(read.errors.find("Communication port not open"), std::string::npos) << read.errors;
    EXPECT_FALSE(fs::exists(dir / "X.DAT"));

    // Bad usage, and files that cannot be read: status 2 and one line on standard error (the
    // list of commands for an unknown one).
    std::ofstream(dir / "WRONG.DAT") << "NOT A CHANNEL FILE";
    for (QStringList args : {QStringList{"show"},
                             {"show", Path("MISSING.DAT")},
                             {"show", Path("WRONG.DAT"), "--lang", "fr"},
                             {"frobnicate"},
                             {"import-csv", Path("none.csv"), "--out", Path("X.DAT")},
                             {"read", "--out", "X.DAT"},
                             {"read", "--port", "/dev/null"},
                             {"write", "--port", "/dev/null"},
                             {"write", "--port", "/dev/null", "--lang", "fr", "A.DAT"},
                             {"write", "--port", "/dev/null", Path("MISSING.DAT")},
                             {"write", "--port", "/dev/null", Path("WRONG.DAT")},
                             {"read", "--port", "/dev/null", "--out", Path("no/such/X.DAT")}}) {
        Finished bad = Cli(args);
        EXPECT_EQ(bad.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(bad.out.empty()) << args.join(' ').toStdString();
        const auto lines = std::count(bad.errors.begin(), bad.errors.end(), '\n');
        EXPECT_TRUE(lines == 1 || (args[0] == "frobnicate" && lines > 1)) << bad.errors;
    }
}

// A pipe waits for a writer and /dev/zero never ends: every command refuses them at once.
TEST_F(CliTest, FilesThatAreNotRegularFilesAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((dir / "f.DAT").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir / "f.csv").c_str(), 0600), 0);
    RadioState state;
    ApplyStartupDefaults(state);
    ASSERT_TRUE(ChannelFile::Save(dir / "A.DAT", state));
    std::ofstream(dir / "in.csv") << "Location,Frequency\n1,440\n";
    for (QStringList args :
         {QStringList{"show", Path("f.DAT")},
          {"export-csv", Path("f.DAT"), Path("out.csv")},
          {"import-csv", Path("f.csv"), "--out", Path("X.DAT")},
          {"import-csv", "/dev/zero", "--out", Path("X.DAT")},
          {"import-csv", Path("in.csv"), "--base", Path("f.DAT"), "--out", Path("X.DAT")},
          {"write", "--port", "/dev/null", Path("f.DAT")}}) {
        Finished refused = Cli(args);
        EXPECT_EQ(refused.status, 2) << args.join(' ').toStdString();
        EXPECT_NE(refused.errors.find("cannot be read: not a regular file"), std::string::npos)
            << refused.errors;
    }
    // The output: a pipe is not replaced, and neither is a write-protected file.
    std::ofstream(dir / "ro.DAT") << "mine";
    fs::permissions(dir / "ro.DAT", fs::perms::owner_read);
    for (const char* out : {"f.DAT", "ro.DAT"}) {
        Finished refused = Cli({"import-csv", Path("in.csv"), "--out", Path(out)});
        EXPECT_EQ(refused.status, 2) << out;
        EXPECT_NE(refused.errors.find("cannot be written"), std::string::npos) << refused.errors;
    }
    EXPECT_EQ(fs::status(dir / "f.DAT").type(), fs::file_type::fifo);
    EXPECT_EQ(ReadAll(dir / "ro.DAT"), "mine");
    EXPECT_FALSE(fs::exists(dir / "X.DAT"));
}

TEST_F(CliTest, ReadChecksItsOutputFirstAndTakesRelativePortNames) {
    StartSim({"--link", Path("mylink")});
    std::ofstream(dir / "ro.DAT") << "mine";
    fs::permissions(dir / "ro.DAT", fs::perms::owner_read);
    for (const char* out : {"config", "ro.DAT"}) {
        Finished refused = Cli({"read", "--port", "mylink", "--out", Path(out)});
        EXPECT_EQ(refused.status, 2) << out << refused.errors;
        EXPECT_NE(refused.errors.find("cannot be written"), std::string::npos) << refused.errors;
    }
    EXPECT_FALSE(sim.waitForReadyRead(300)) << "the radio heard nothing";
    EXPECT_EQ(ReadAll(dir / "ro.DAT"), "mine");

    Finished read = Cli({"read", "--port", "mylink", "--out", "READ.DAT", "--no-backup"});
    EXPECT_EQ(read.status, 0) << read.errors;
    EXPECT_TRUE(SimSays("ended read, 16 blocks"));
    EXPECT_EQ(ReadAll(dir / "READ.DAT").size(), ChannelFile::kSize);
}

// Ctrl+C or SIGTERM: the conversation ends after the frame in flight with "E", so the radio
// leaves programming mode, and the tool says what the radio may hold.
TEST_F(CliTest, InterruptedReadsAndWritesEndWithTheEndByte) {
    StartSim({"--pace"});
    ASSERT_EQ(Cli({"read", "--port", device, "--out", Path("READ.DAT")}).status, 0);
    ASSERT_TRUE(SimSays("ended read, 16 blocks"));
    const std::vector<fs::path> backups = Backups::List(dir / "data" / "kvd270" / "backups");
    ASSERT_EQ(backups.size(), 1u);

    for (auto [mode, signal] : {std::pair{"write", SIGINT}, {"read", SIGTERM}}) {
        SCOPED_TRACE(mode);
        QProcess cli;
        const QStringList args =
            mode == std::string("write")
                ? QStringList{"write", "--no-backup", "--port", device, Path("READ.DAT")}
                : QStringList{"read", "--port", device, "--out", Path("NEW.DAT")};
        StartCli(cli, args);
        ASSERT_TRUE(cli.waitForStarted());
        QThread::msleep(700);  // some blocks on their way at line speed
        ::kill(static_cast<pid_t>(cli.processId()), signal);
        Finished stopped = Wait(cli);
        EXPECT_EQ(stopped.status, 130) << stopped.errors;
        ASSERT_TRUE(sim.waitForReadyRead(5000));
        const std::string ended = sim.readLine().toStdString();
        const std::size_t blocks = std::stoul(ended.substr(ended.find(", ") + 2));
        EXPECT_EQ(ended.rfind(std::string("ended ") + mode, 0), 0u) << ended;
        const std::size_t all = mode == std::string("write") ? 46 : 16;
        EXPECT_LT(blocks, all) << ended;
        if (mode == std::string("write")) {
            EXPECT_NE(stopped.errors.find("The write was interrupted; the radio may hold a "
                                          "partly written configuration."),
                      std::string::npos)
                << stopped.errors;
            EXPECT_NE(stopped.errors.find(backups[0].string()), std::string::npos) << "named";
        } else {
            EXPECT_NE(stopped.errors.find("The read was interrupted"), std::string::npos);
            EXPECT_FALSE(fs::exists(dir / "NEW.DAT"));
        }
    }
}

}  // namespace
}  // namespace kvd

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

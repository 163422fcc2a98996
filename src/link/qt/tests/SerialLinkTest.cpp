// The adapter between the conversation and a port; whole reads and writes through real ports
// are the command line's and the window's tests.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>

#include "image/RadioState.h"
#include "link/qt/SerialLink.h"

namespace kvd {
namespace {

using link::Mode;
using link::Outcome;

// A port the test answers for the radio. It can refuse to open, fail a write, or vanish.
struct FakePort : link::LinkPort {
    int failAfter = -1, vanishAfter = -1;  // bytes written before writes fail, or the port goes
    link::OpenResult openResult{true, {}, {}, false};
    std::vector<std::uint8_t> written;
    std::vector<std::string> devices;  // opened, in order
    bool opened = true;

    link::OpenResult open(const std::string& device) override {
        devices.push_back(device);
        openResult.device = device;
        opened = openResult.ok;
        return openResult;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool writeByte(std::uint8_t byte, int) override {
        if (!opened || static_cast<int>(written.size()) == failAfter) {
            return false;
        }
        written.push_back(byte);
        opened = static_cast<int>(written.size()) != vanishAfter;
        return true;
    }
};

// What the link tells the window, in order; messages as "message STYLE TEXT".
class SerialLinkTest : public ::testing::Test {
protected:
    RadioState state;
    FakePort port;
    link::SerialLink link{state, port, {400, 10, 1000}};
    QStringList log;
    std::size_t writtenAtMessage = 0;

    void SetUp() override {
        state.flags.Language = kEnglish;
        ApplyStartupDefaults(state);
        link.setMessageHandler([this](const QString& text, int style) {
            log << QString("message %1 %2").arg(style).arg(text);
            writtenAtMessage = port.written.size();
            return MessageBoxStyle::kIdOk;
        });
        QObject::connect(&link, &link::SerialLink::lockEngaged, [this](Mode) { log << "lock"; });
        QObject::connect(&link, &link::SerialLink::lockReleased, [this] { log << "release"; });
        QObject::connect(&link, &link::SerialLink::ended,
                         [this](Outcome o) { log << QString("ended %1").arg(int(o)); });
        QObject::connect(&link, &link::SerialLink::portStatus,
                         [this](const QString& s) { log << "port " + s; });
    }
};

// A write that cannot complete fails at once. A port gone after "PROGRAM" takes nothing more
// (the 02 for the radio's 06, the final "E"), and the time-out ends the conversation. Either
// way the error shows under the lock, which goes after it.
TEST_F(SerialLinkTest, FailedWritesAndVanishedPortsEndTheConversation) {
    for (auto [failAfter, vanishAfter, outcome] :
         {std::tuple{3, -1, Outcome::WriteFailed}, {-1, 8, Outcome::TimedOut}}) {
        SCOPED_TRACE(failAfter);
        log.clear();
        port.opened = true;
        port.written.clear();
        port.failAfter = failAfter;
        port.vanishAfter = vanishAfter;
        QElapsedTimer clock;
        clock.start();
        link.Start(Mode::Read);
        emit port.received(QByteArray("\x06"));
        while (!log.contains("release") && clock.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
        EXPECT_EQ(clock.elapsed() < 400, outcome == Outcome::WriteFailed) << clock.elapsed();
        EXPECT_EQ(log, QStringList({"lock",
                                    "message 16 Communication error, please check the intercom "
                                    "model, fault, attachment and computer serial choice!",
                                    "release", QString("ended %1").arg(int(outcome))}));
        EXPECT_EQ(port.written.size(), std::size_t(failAfter > 0 ? failAfter : vanishAfter));
        EXPECT_EQ(writtenAtMessage, port.written.size());
    }
}

TEST_F(SerialLinkTest, ABreakFromThePortDropsTheByteAfterIt) {
    link.Start(Mode::Read);
    emit port.breakDetected();
    emit port.received(QByteArray("\x00\x06", 2));
    EXPECT_EQ(port.written.back(), 0x02) << "the 06 behind the dropped byte was taken";
}

#ifndef _WIN32  // on Windows item n is simply COMn
TEST_F(SerialLinkTest, PortItemsOpenTheDeviceBehindThemAndKeepTheNumberOnFailure) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("kvd-ports-" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::create_symlink("/dev/pts/77", folder / "COM3");
    fs::create_symlink("/dev/pts/78", folder / "COM4");
    link.RestorePort(0, folder);
    link.RestorePort(9, folder);
    EXPECT_TRUE(port.devices.empty()) << "only stored numbers 1 to 8 are opened";
    link.RestorePort(3, folder);
    EXPECT_EQ(port.devices, std::vector<std::string>{"/dev/pts/77"});
    EXPECT_EQ(state.flags.PortNumber, 3);

    port.openResult = {false, {}, "Permission denied", true};
    EXPECT_FALSE(link.SelectPort(4, folder).ok);
    EXPECT_EQ(state.flags.PortNumber, 3);
    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], "port COM3: /dev/pts/77");
    EXPECT_EQ(log[1],
              "message 64 Serial port 4 has been other programs use, please choose other serial or "
              "turn off its program.");
    EXPECT_TRUE(log[2].contains("dialout")) << log[2].toStdString();
    fs::remove_all(folder);
}
#endif

}  // namespace
}  // namespace kvd

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

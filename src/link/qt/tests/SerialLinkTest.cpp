// The adapter between the conversation and a port; whole reads and writes through real ports
// are the command line's and the window's tests.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>

#include "image/RadioState.h"
#include "link/qt/SerialLink.h"
#include "sim/DemoImage.h"
#include "sim/RadioSide.h"

namespace kvd {
namespace {

using link::Mode;
using link::Outcome;

// A port with an in-process radio behind it, whose replies come back through the event loop
// as from a real line. It can refuse to open, fail a write, or vanish.
struct FakePort : link::LinkPort {
    std::optional<sim::RadioSide> radio;
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
        const std::vector<std::uint8_t> reply =
            radio ? radio->Receive(std::span(&byte, 1)) : std::vector<std::uint8_t>();
        const QByteArray bytes(reinterpret_cast<const char*>(reply.data()),
                               static_cast<qsizetype>(reply.size()));
        QTimer::singleShot(1, this, [this, bytes] { emit received(bytes); });
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
            return link::Button::kOk;
        });
        QObject::connect(&link, &link::SerialLink::lockEngaged, [this](Mode) { log << "lock"; });
        QObject::connect(&link, &link::SerialLink::lockReleased, [this] { log << "release"; });
        QObject::connect(&link, &link::SerialLink::ended,
                         [this](Outcome o) { log << QString("ended %1").arg(int(o)); });
        QObject::connect(&link, &link::SerialLink::portStatus,
                         [this](const QString& s) { log << "port " + s; });
    }
};

// A write that cannot complete fails at once; after a port gone between frames (nothing more
// is written to it) the time-out ends the conversation. Either way the error shows under the
// lock, which goes after it.
TEST_F(SerialLinkTest, FailedWritesAndVanishedPortsEndTheConversation) {
    for (auto [failAfter, vanishAfter, outcome, written] :
         {std::tuple{30, -1, Outcome::WriteFailed, 30u}, {-1, 10, Outcome::TimedOut, 10u}}) {
        SCOPED_TRACE(written);
        log.clear();
        port.opened = true;
        port.written.clear();
        port.failAfter = failAfter;
        port.vanishAfter = vanishAfter;
        port.radio.emplace(sim::DemoImage(0));
        QElapsedTimer clock;
        clock.start();
        link.Start(failAfter > 0 ? Mode::Write : Mode::Read);
        while (!log.contains("release") && clock.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
        EXPECT_EQ(clock.elapsed() < 400, outcome == Outcome::WriteFailed) << clock.elapsed();
        EXPECT_EQ(log, QStringList({"lock",
                                    "message 16 Communication error, please check the intercom "
                                    "model, fault, attachment and computer serial choice!",
                                    "release", QString("ended %1").arg(int(outcome))}));
        EXPECT_EQ(port.written.size(), written);
        EXPECT_EQ(writtenAtMessage, written);
    }
}

TEST_F(SerialLinkTest, ABreakFromThePortDropsTheByteAfterIt) {
    link.Start(Mode::Read);  // no radio: the test answers
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

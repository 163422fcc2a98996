#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>

#include "image/ImageCodec.h"
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
    int failAfterBytes = -1;    // this many bytes go out, the next write fails
    int vanishAfterBytes = -1;  // this many bytes go out, then the port is gone
    link::OpenResult openResult{true, {}, {}, false};
    std::vector<std::uint8_t> written;
    std::vector<std::string> openedDevices;
    bool opened = true;

    link::OpenResult open(const std::string& device) override {
        openedDevices.push_back(device);
        link::OpenResult result = openResult;
        result.device = device;
        opened = result.ok;
        return result;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool writeByte(std::uint8_t byte, int) override {
        if (!opened || static_cast<int>(written.size()) == failAfterBytes) {
            return false;
        }
        written.push_back(byte);
        opened = static_cast<int>(written.size()) != vanishAfterBytes;
        const std::vector<std::uint8_t> reply =
            radio ? radio->Receive(std::span(&byte, 1)) : std::vector<std::uint8_t>();
        if (!reply.empty()) {
            QByteArray bytes(reinterpret_cast<const char*>(reply.data()),
                             static_cast<qsizetype>(reply.size()));
            QTimer::singleShot(1, this, [this, bytes] { emit received(bytes); });
        }
        return true;
    }
};

// What the link tells the window, in order; messages as "message STYLE TEXT".
class SerialLinkTest : public ::testing::Test {
protected:
    RadioState state = Startup();
    FakePort port;
    link::SerialLink::Timing timing{400, 10, 1000};
    link::SerialLink link{state, port, timing};
    QStringList log;
    int answer = link::Button::kYes;
    std::size_t writtenAtMessage = 0;
    bool progressShown = false;
    int progress = -1;

    static RadioState Startup() {
        RadioState s;
        s.flags.Language = kEnglish;
        ApplyStartupDefaults(s);
        return s;
    }

    void SetUp() override {
        link.setMessageHandler([this](const QString& text, int style) {
            log << QString("message %1 %2").arg(style).arg(text);
            writtenAtMessage = port.written.size();
            return (style & link::MessageStyle::kYesNo) ? answer : link::Button::kOk;
        });
        QObject::connect(&link, &link::SerialLink::statusTextChanged,
                         [this](const QString& t) { log << "status " + t; });
        QObject::connect(&link, &link::SerialLink::lockEngaged, [this](Mode) { log << "lock"; });
        QObject::connect(&link, &link::SerialLink::lockReleased, [this] { log << "release"; });
        QObject::connect(&link, &link::SerialLink::readApplied, [this] { log << "read applied"; });
        QObject::connect(&link, &link::SerialLink::ended, [this](Outcome o) {
            log << QString("ended %1").arg(static_cast<int>(o));
        });
        QObject::connect(&link, &link::SerialLink::portStatus,
                         [this](const QString& s) { log << "port " + s; });
        QObject::connect(&link, &link::SerialLink::progressChanged, [this](bool shown, int value) {
            progressShown = shown;
            progress = value;
        });
    }

    // Runs the event loop until the lock is released again; gives the time it took.
    qint64 Run(Mode mode) {
        log.clear();
        QElapsedTimer clock;
        clock.start();
        link.Start(mode);
        while (!log.contains("release") && clock.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
        return clock.elapsed();
    }
};

const QString kCommunicating = QString::fromUtf8("status Is communication, please later……");
const QString kBandQuestion = "Frequency band with discrepancies, do you wish to continue?";

TEST_F(SerialLinkTest, ReadAndWriteThroughThePort) {
    port.radio.emplace(sim::DemoImage(5));
    Run(Mode::Read);
    EXPECT_EQ(log, QStringList({"lock", kCommunicating, "read applied",
                                "status Read frequency success!", "ended 0", "release"}));
    EXPECT_EQ(state.band.position(), 5);
    EXPECT_EQ(state.table.cell(1, 1), "137.00000");
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(progress, 425);

    state.band.TakeBand(0);  // the radio has band 5
    state.table.setCell(3, 1, "137.12500");
    Run(Mode::Write);
    EXPECT_EQ(log, QStringList({"lock", kCommunicating, "message 68 " + kBandQuestion,
                                "status Write frequency success!", "ended 1", "release"}));
    EXPECT_EQ(port.radio->image(), EncodeImageBytes(state));
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(progress, 460);
}

// A write that cannot complete fails at once; a port gone between frames (nothing more is
// written to it) and a silent radio wait for the time-out. Either way the error shows under
// the lock, and "E" goes out after it where the port still works.
TEST_F(SerialLinkTest, FailuresShowTheErrorUnderTheLock) {
    struct Case {
        Mode mode;
        int failAfter, vanishAfter;
        sim::Faults faults;
        Outcome outcome;
        std::size_t written;
    };
    for (const Case& c :
         {Case{Mode::Write, 30, -1, {}, Outcome::WriteFailed, 30},
          Case{Mode::Read, -1, 10, {}, Outcome::TimedOut, 10},  // gone after 02 and 06
          Case{Mode::Read, -1, -1, {.silent = true}, Outcome::TimedOut, 9}}) {
        SCOPED_TRACE(c.written);
        port.opened = true;
        port.written.clear();
        port.failAfterBytes = c.failAfter;
        port.vanishAfterBytes = c.vanishAfter;
        port.radio.emplace(sim::DemoImage(0), std::nullopt, c.faults);
        const qint64 elapsed = Run(c.mode);
        EXPECT_EQ(elapsed < timing.replyMs, c.outcome == Outcome::WriteFailed) << elapsed;
        EXPECT_EQ(log,
                  QStringList({"lock", kCommunicating,
                               "message 16 Communication error, please check the intercom model, "
                               "fault, attachment and computer serial choice!",
                               "release", QString("ended %1").arg(static_cast<int>(c.outcome))}));
        EXPECT_EQ(port.written.size(), c.written);
        EXPECT_EQ(writtenAtMessage, c.faults.silent ? 8u : c.written);
        EXPECT_TRUE(!c.faults.silent || port.written.back() == 0x45);
        EXPECT_FALSE(progressShown);
    }
}

TEST_F(SerialLinkTest, PortNotOpenInChineseAndBreaksFromThePort) {
    state.flags.Language = kChinese;
    port.opened = false;
    link.Start(Mode::Read);
    EXPECT_EQ(log,
              QStringList({QString::fromUtf8(
                               "message 64 通信端口未打开，请先选择菜单“通信端口”打开其串口！"),
                           "ended 5"}));

    port.opened = true;
    link.Start(Mode::Read);  // no radio: the test answers
    EXPECT_TRUE(log.contains(QString::fromUtf8("status 正在通信,请稍后……")));
    emit port.breakDetected();
    emit port.received(QByteArray("\x00\x06", 2));
    EXPECT_EQ(port.written.back(), 0x02) << "the 06 behind the dropped byte was taken";
}

#ifndef _WIN32  // on Windows item n is simply COMn
TEST_F(SerialLinkTest, PortItemsOpenTheDeviceBehindThemAndKeepTheNumberOnFailure) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("kvd-ports-" + std::to_string(QCoreApplication::applicationPid()));
    fs::create_directories(folder);
    fs::remove(folder / "COM3");
    fs::remove(folder / "COM4");
    fs::create_symlink("/dev/pts/77", folder / "COM3");
    fs::create_symlink("/dev/pts/78", folder / "COM4");
    link.RestorePort(0, folder);
    link.RestorePort(9, folder);
    EXPECT_TRUE(port.openedDevices.empty()) << "only stored numbers 1 to 8 are opened";
    link.RestorePort(3, folder);
    EXPECT_EQ(port.openedDevices, std::vector<std::string>{"/dev/pts/77"});
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

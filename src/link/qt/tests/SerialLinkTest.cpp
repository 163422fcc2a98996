#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "FakePort.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"
#include "link/qt/SerialLink.h"
#include "sim/DemoImage.h"

namespace kvd {
namespace {

using link::Mode;
using link::Outcome;

// What the link told the window, in order.
struct Record {
    std::vector<std::string> events;
    std::vector<QString> statusTexts;
    std::vector<QString> messages;
    std::vector<int> styles;
    std::optional<Outcome> outcome;
    bool locked = false;
    int readsApplied = 0;
    int lastProgress = -1;
    bool progressVisible = false;
};

class SerialLinkTest : public ::testing::Test {
protected:
    RadioState state;
    test::FakePort port;
    link::SerialLink::Timing timing{400, 10, 1000};
    std::unique_ptr<link::SerialLink> link;
    Record record;
    int answer = link::Button::kYes;

    void SetUp() override {
        state.flags.Language = kEnglish;
        ApplyStartupDefaults(state);
        port.opened = true;
        link = std::make_unique<link::SerialLink>(state, port, timing);
        link->setMessageHandler([this](const QString& text, int style) {
            record.events.push_back("message");
            record.messages.push_back(text);
            record.styles.push_back(style);
            return (style & link::MessageStyle::kYesNo) ? answer : link::Button::kOk;
        });
        QObject::connect(link.get(), &link::SerialLink::statusTextChanged,
                         [this](const QString& t) { record.statusTexts.push_back(t); });
        QObject::connect(link.get(), &link::SerialLink::lockEngaged, [this](Mode) {
            record.events.push_back("lock");
            record.locked = true;
        });
        QObject::connect(link.get(), &link::SerialLink::lockReleased, [this] {
            record.events.push_back("release");
            record.locked = false;
        });
        QObject::connect(link.get(), &link::SerialLink::progressChanged,
                         [this](bool visible, int value) {
                             record.progressVisible = visible;
                             record.lastProgress = value;
                         });
        QObject::connect(link.get(), &link::SerialLink::readApplied,
                         [this] { ++record.readsApplied; });
        QObject::connect(link.get(), &link::SerialLink::ended, [this](Outcome o) {
            record.events.push_back("ended");
            record.outcome = o;
        });
    }

    void Connect(int band, sim::Faults faults = {}) {
        port.radio.emplace(sim::DemoImage(band), std::nullopt, faults);
    }

    // Runs the event loop until the lock is released again (or a limit passes).
    qint64 RunConversation(Mode mode, int limitMs = 20000) {
        QElapsedTimer clock;
        clock.start();
        link->Start(mode);
        while (record.locked && clock.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
        return clock.elapsed();
    }
};

TEST_F(SerialLinkTest, ReadAndWriteThroughThePort) {
    Connect(5);
    RunConversation(Mode::Read);
    ASSERT_EQ(record.outcome, Outcome::ReadDone);
    EXPECT_EQ(record.readsApplied, 1);
    EXPECT_EQ(state.band.position(), 5);
    EXPECT_EQ(state.table.cell(1, 1), "137.00000");
    ASSERT_EQ(record.statusTexts.size(), 2u);
    EXPECT_EQ(record.statusTexts[0], QString::fromUtf8("Is communication, please later……"));
    EXPECT_EQ(record.statusTexts[1], "Read frequency success!");
    EXPECT_FALSE(record.progressVisible);
    EXPECT_EQ(record.lastProgress, 425);
    EXPECT_FALSE(record.locked);

    state.table.setCell(3, 1, "137.12500");
    RunConversation(Mode::Write);
    ASSERT_EQ(record.outcome, Outcome::WriteDone);
    EXPECT_EQ(port.radio->image(), EncodeImageBytes(state));
    EXPECT_EQ(record.statusTexts.back(), "Write frequency success!");
    EXPECT_EQ(record.lastProgress, 460);
    EXPECT_TRUE(record.messages.empty());
}

TEST_F(SerialLinkTest, WriteThatCannotCompleteFailsAtOnce) {
    Connect(0);
    port.failAfterBytes = 30;
    qint64 elapsed = RunConversation(Mode::Write);
    ASSERT_EQ(record.outcome, Outcome::WriteFailed);
    EXPECT_LT(elapsed, timing.replyMs) << "no waiting for the reply time-out";
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.styles[0], link::MessageStyle::kCritical);
    EXPECT_TRUE(record.messages[0].startsWith("Communication error"));
    EXPECT_FALSE(record.locked);
    EXPECT_FALSE(record.progressVisible);
}

TEST_F(SerialLinkTest, TimeOutShowsTheMessageBeforeReleasingAndThenSendsE) {
    Connect(0, {.silent = true});
    std::size_t writtenWhenShown = 0;
    link->setMessageHandler([&](const QString&, int) {
        record.events.push_back("message");
        writtenWhenShown = port.written.size();
        EXPECT_TRUE(record.locked);
        return link::Button::kOk;
    });
    qint64 elapsed = RunConversation(Mode::Read);
    EXPECT_GE(elapsed, timing.replyMs);
    std::vector<std::string> expected = {"lock", "message", "release", "ended"};
    EXPECT_EQ(record.events, expected);
    ASSERT_EQ(port.written.size(), writtenWhenShown + 1);
    EXPECT_EQ(port.written.back(), 0x45);
}

TEST_F(SerialLinkTest, PortGoneBetweenFramesEndsByTheTimeOut) {
    Connect(0);
    port.vanishAfterBytes = 10;  // gone after the 06 that follows the identification
    RunConversation(Mode::Read);
    EXPECT_EQ(record.outcome, Outcome::TimedOut);
    EXPECT_EQ(port.written.size(), 10u) << "nothing is written to a port that is gone";
    EXPECT_EQ(record.messages.size(), 1u);
    EXPECT_FALSE(record.locked);
    EXPECT_EQ(record.readsApplied, 0);
}

TEST_F(SerialLinkTest, PortGoneWithinAFrameFailsAtOnce) {
    Connect(0);
    port.vanishAfterBytes = 12;  // gone halfway through the first read request
    qint64 elapsed = RunConversation(Mode::Read);
    EXPECT_EQ(record.outcome, Outcome::WriteFailed);
    EXPECT_LT(elapsed, timing.replyMs);
    EXPECT_EQ(port.written.size(), 12u);
    EXPECT_FALSE(record.locked);
}

TEST_F(SerialLinkTest, BandQuestionIsAnsweredThroughTheHandler) {
    Connect(5);  // the program has band 0
    answer = link::Button::kNo;
    RunConversation(Mode::Write);
    ASSERT_EQ(record.outcome, Outcome::BandDeclined);
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0], "Frequency band with discrepancies, do you wish to continue?");
    EXPECT_EQ(record.statusTexts.back(), record.messages[0]);
    EXPECT_TRUE(port.radio->session().writtenAddresses.empty());

    answer = link::Button::kYes;
    record = {};
    RunConversation(Mode::Write);
    EXPECT_EQ(record.outcome, Outcome::WriteDone);
    EXPECT_EQ(port.radio->session().writtenAddresses.size(), 46u);
}

TEST_F(SerialLinkTest, BreakDropsTheByteAfterIt) {
    link->Start(Mode::Read);  // no radio: the test answers
    ASSERT_EQ(port.written.size(), 8u);
    emit port.breakDetected();
    emit port.received(QByteArray("\x00\x06", 2));
    EXPECT_EQ(port.written.size(), 9u) << "the 06 behind the dropped byte was taken";
    EXPECT_EQ(port.written.back(), 0x02);
}

TEST_F(SerialLinkTest, ChineseTextsFollowTheLanguage) {
    state.flags.Language = kChinese;
    port.opened = false;
    link->Start(Mode::Read);
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0],
              QString::fromUtf8("通信端口未打开，请先选择菜单“通信端口”打开其串口！"));
    EXPECT_EQ(record.outcome, Outcome::PortNotOpen);
}

#ifndef _WIN32  // on Windows item n is simply COMn
class PortSelectionTest : public SerialLinkTest {
protected:
    std::filesystem::path folder;
    std::vector<QString> statuses;

    void SetUp() override {
        SerialLinkTest::SetUp();
        folder =
            std::filesystem::temp_directory_path() / ("kvd-ports-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::remove(folder / "COM3");
        std::filesystem::create_symlink("/dev/pts/77", folder / "COM3");
        QObject::connect(link.get(), &link::SerialLink::portStatus,
                         [this](const QString& s) { statuses.push_back(s); });
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(PortSelectionTest, OpensTheDeviceBehindTheItemAndRemembersIt) {
    link::OpenResult result = link->SelectPort(3, folder);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(port.openedDevices.back(), "/dev/pts/77");
    EXPECT_EQ(state.flags.PortNumber, 3);
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_EQ(statuses[0], "COM3: /dev/pts/77");
    EXPECT_TRUE(record.messages.empty());
}

TEST_F(PortSelectionTest, FailureShowsThePortMessageAndKeepsTheNumber) {
    state.flags.PortNumber = 2;
    port.openResult = {false, {}, "Permission denied", true};
    link::OpenResult result = link->SelectPort(3, folder);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(state.flags.PortNumber, 2);
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0],
              "Serial port 3 has been other programs use, please choose other serial or turn off "
              "its program.");
    EXPECT_EQ(record.styles[0], link::MessageStyle::kInformation);
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_TRUE(statuses[0].contains("dialout")) << statuses[0].toStdString();
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PortSelectionTest, RestoreOpensOnlyStoredNumbersOneToEight) {
    link->RestorePort(0, folder);
    link->RestorePort(9, folder);
    EXPECT_TRUE(port.openedDevices.empty());
    EXPECT_TRUE(record.messages.empty());
    link->RestorePort(3, folder);
    EXPECT_EQ(port.openedDevices.size(), 1u);
}
#endif

}  // namespace
}  // namespace kvd

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

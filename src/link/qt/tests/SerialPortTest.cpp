#include <gtest/gtest.h>

#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <thread>

#include "catalogue/Catalogue.h"
#include "link/LinkTexts.h"
#include "link/qt/SerialPort.h"

namespace kvd {
namespace {

// A pseudo-terminal: the test holds the master end, the port opens the device.
class PtyTest : public ::testing::Test {
protected:
    int master = -1, slave = -1;
    std::string device;
    link::SerialPort port;
    QByteArray received;

    void SetUp() override {
        char name[256];
        termios raw{};
        ::cfmakeraw(&raw);
        ASSERT_EQ(::openpty(&master, &slave, name, &raw, nullptr), 0);
        device = name;
        QObject::connect(&port, &link::LinkPort::received,
                         [this](const QByteArray& b) { received += b; });
    }
    void TearDown() override {
        for (int fd : {master, slave}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    template <typename Done>
    static void Spin(Done done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

// Bytes the program sends are checked byte for byte by the command line's write test.
TEST_F(PtyTest, RawBytesAtTheLineSettingsAndNothingOld) {
    const std::uint8_t stale[] = {0x06, 0x06};
    ASSERT_EQ(::write(master, stale, sizeof stale), 2);
    int waiting = 0;
    Spin([&] { return ::ioctl(slave, FIONREAD, &waiting) == 0 && waiting == 2; });
    ASSERT_EQ(waiting, 2) << "the stale bytes wait at the device";

    link::OpenResult result = port.open(device);
    ASSERT_TRUE(result.ok) << result.reason;
    termios settings{};
    ASSERT_EQ(::tcgetattr(slave, &settings), 0);
    EXPECT_EQ(::cfgetospeed(&settings), B9600);
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB), static_cast<tcflag_t>(CS8));
    EXPECT_TRUE(settings.c_iflag & PARMRK) << "breaks come marked in the data";

    const std::uint8_t reply[] = {0x06, 0x0D, 0xFF, 0x11, 0xFF, 0x00};
    ASSERT_EQ(::write(master, reply, sizeof reply), 6);
    Spin([&] { return received.size() >= 6; });
    EXPECT_EQ(received, QByteArray("\x06\x0D\xFF\x11\xFF\x00", 6))
        << "no flow control, no CR translation, FF unmarked";
}

// The program writes its next frame from the handler of a reply. A reply to that frame that
// arrives while the write is waiting is still delivered, though the port reads it without a
// readyRead of its own.
TEST_F(PtyTest, AReplyDuringAWriteFromTheReceiveHandlerIsDelivered) {
    ASSERT_TRUE(port.open(device).ok);
    bool wrote = false;
    QObject::connect(&port, &link::LinkPort::received, [&](const QByteArray& b) {
        if (b.startsWith('A') && !wrote) {
            const char answer = 'B';  // already waiting when the write begins
            ASSERT_EQ(::write(master, &answer, 1), 1);
            int waiting = 0;  // no events here: the port must not read it before the write
            for (int i = 0; i < 1000 && !(::ioctl(slave, FIONREAD, &waiting) == 0 && waiting);
                 ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            wrote = port.writeByte(0x02, 1000);
        }
    });
    ASSERT_EQ(::write(master, "A", 1), 1);
    Spin([&] { return received.size() >= 2; });
    EXPECT_TRUE(wrote);
    EXPECT_EQ(received, QByteArray("AB"));
}

// A device that cannot be opened is reported as such by the command line's tests.
TEST_F(PtyTest, NoDeviceAndVanishingDevicesFailCleanly) {
    EXPECT_FALSE(port.open("").ok);

    int lost = 0;
    QObject::connect(&port, &link::LinkPort::lost, [&lost] { ++lost; });
    ASSERT_TRUE(port.open(device).ok);
    for (int* fd : {&slave, &master}) {
        ::close(*fd);
        *fd = -1;
    }
    Spin([&] { return !port.isOpen(); });
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.writeByte(0x45, 100));
    EXPECT_EQ(lost, 1) << "the window hears once that the port went away";
    port.close();
    EXPECT_EQ(lost, 1) << "closing on purpose is no loss";
}

// Qt calls both a held port and a forbidden one a permission error; only the second is a
// matter of the dialout group.
TEST_F(PtyTest, APortInUseIsToldApartFromAMissingPermission) {
    ASSERT_TRUE(port.open(device).ok);
    link::SerialPort second;
    link::OpenResult held = second.open(device);
    EXPECT_FALSE(held.ok);
    EXPECT_TRUE(held.inUse) << held.reason;
    EXPECT_FALSE(held.permissionDenied);
    const std::string status =
        TextIn(link::PortFailureStatus(held.device, held.reason, held.problem()), kEnglish);
    EXPECT_EQ(status, device +
                          ": in use by another program. Close that program or choose "
                          "another port.");
    EXPECT_NE(TextIn(link::PortFailureStatus(held.device, held.reason, held.problem()), kChinese)
                  .find("已被其它程序使用"),
              std::string::npos);
    port.close();

    // A device the user may not open, tried by a user who is not root.
    ASSERT_EQ(::chmod(device.c_str(), 0600), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        link::SerialPort other;
        link::OpenResult refused = other.open(device);
        ::_exit(!refused.ok && refused.permissionDenied && !refused.inUse ? 0 : 1);
    }
    int code = 0;
    ::waitpid(child, &code, 0);
    EXPECT_TRUE(WIFEXITED(code) && WEXITSTATUS(code) == 0) << "a permission problem";
}

}  // namespace
}  // namespace kvd

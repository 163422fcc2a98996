#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <thread>

#include "link/qt/SerialPort.h"

namespace kvd {
namespace {

// A pseudo-terminal: the test holds the master end, the port opens the device.
class PtyTest : public ::testing::Test {
protected:
    int master = -1;
    int slave = -1;
    std::string device;

    void SetUp() override {
        char name[256];
        termios raw{};
        ::cfmakeraw(&raw);
        ASSERT_EQ(::openpty(&master, &slave, name, &raw, nullptr), 0);
        device = name;
    }
    void TearDown() override {
        for (int fd : {master, slave}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    template <typename Done>
    static void Spin(Done done, int limitMs = 3000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
    }
};

TEST_F(PtyTest, OpensAtTheLineSettingsAndMovesBytesBothWays) {
    link::SerialPort port;
    link::OpenResult result = port.open(device);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_TRUE(port.isOpen());

    termios settings{};
    ASSERT_EQ(::tcgetattr(slave, &settings), 0);
    EXPECT_EQ(::cfgetospeed(&settings), B9600);
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(settings.c_cflag & PARENB);
    EXPECT_FALSE(settings.c_cflag & CSTOPB);
    EXPECT_TRUE(settings.c_iflag & PARMRK) << "breaks come marked in the data";

    for (std::uint8_t b : {0x50, 0x00, 0xFF, 0x0A}) {
        ASSERT_TRUE(port.writeByte(b, 1000));
    }
    std::uint8_t got[4] = {};
    std::size_t have = 0;  // the pseudo-terminal hands bytes over in its own time
    for (int tries = 0; have < 4 && tries < 100; ++tries) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0) {
            have += static_cast<std::size_t>(
                std::max<ssize_t>(0, ::read(master, got + have, 4 - have)));
        }
    }
    ASSERT_EQ(have, 4u);
    EXPECT_EQ(got[0], 0x50);
    EXPECT_EQ(got[1], 0x00);
    EXPECT_EQ(got[2], 0xFF);
    EXPECT_EQ(got[3], 0x0A) << "raw bytes: no newline translation";

    QByteArray received;
    QObject::connect(&port, &link::LinkPort::received, [&](const QByteArray& b) { received += b; });
    const std::uint8_t reply[] = {0x06, 0x0D, 0xFF, 0x11, 0xFF, 0x00};
    ASSERT_EQ(::write(master, reply, sizeof reply), 6);
    Spin([&] { return received.size() >= 6; });
    EXPECT_EQ(received, QByteArray("\x06\x0D\xFF\x11\xFF\x00", 6))
        << "no flow control, no CR translation, FF bytes unmarked";
}

TEST_F(PtyTest, OldBytesAreNotDeliveredAfterOpening) {
    const std::uint8_t stale[] = {0x06, 0x06};
    ASSERT_EQ(::write(master, stale, sizeof stale), 2);
    int waiting = 0;
    for (int tries = 0; waiting < 2 && tries < 100; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ::ioctl(slave, FIONREAD, &waiting);
    }
    ASSERT_EQ(waiting, 2) << "the stale bytes wait at the device";
    link::SerialPort port;
    ASSERT_TRUE(port.open(device).ok);
    QByteArray received;
    QObject::connect(&port, &link::LinkPort::received, [&](const QByteArray& b) { received += b; });
    const std::uint8_t fresh = 0x42;
    ASSERT_EQ(::write(master, &fresh, 1), 1);
    Spin([&] { return !received.isEmpty(); });
    EXPECT_EQ(received, QByteArray("\x42", 1));
}

TEST_F(PtyTest, PortThatVanishesIsClosedAndWritesNothing) {
    link::SerialPort port;
    ASSERT_TRUE(port.open(device).ok);
    for (int* fd : {&slave, &master}) {
        ::close(*fd);
        *fd = -1;
    }
    Spin([&] { return !port.isOpen(); });
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.writeByte(0x45, 100));
}

TEST(SerialPortTest, MissingDeviceGivesTheReason) {
    link::SerialPort port;
    link::OpenResult result = port.open("/dev/kvd-no-such-device");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(result.permissionDenied);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.open("").ok);
}

}  // namespace
}  // namespace kvd

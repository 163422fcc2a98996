#include "link/qt/SerialPort.h"

#include <QDeadlineTimer>

#ifndef _WIN32
#include <termios.h>
#include <unistd.h>
#endif

#include "catalogue/Catalogue.h"
#include "link/PortNames.h"
#include "texts/TextIds.h"

namespace kvd::link {

SerialPort::SerialPort(QObject* parent) : LinkPort(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::onError);
}

namespace {

// Qt reports a PermissionError both for a device the user may not open and for one that
// another program holds (its lock file, or the port in exclusive use; on Windows, any open
// port). Only the first is a matter of the user's rights.
bool MayUse([[maybe_unused]] const std::string& device) {
#ifdef _WIN32
    return true;
#else
    return ::access(device.c_str(), R_OK | W_OK) == 0;
#endif
}

}  // namespace

OpenResult SerialPort::open(const std::string& device) {
    close();
    OpenResult result;
    result.device = PortNames::DevicePath(device);
    if (device.empty()) {
        // In the words of the system, which speaks English.
        result.reason = TextIn(TextIds::link::noSuchDevice, kEnglish);
        return result;
    }
    port_.setPortName(QString::fromStdString(result.device));
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        const bool refused = port_.error() == QSerialPort::PermissionError;
        result.inUse = refused && MayUse(result.device);
        result.permissionDenied = refused && !result.inUse;
        result.reason = port_.errorString().toStdString();
        port_.clearError();
        return result;
    }
    marked_ = markLineConditions();
    marks_ = LineMarks();
    port_.clear();  // nothing left over from before belongs to a conversation
    port_.clearError();
    result.ok = true;
    return result;
}

bool SerialPort::markLineConditions() {
#ifdef _WIN32
    return false;
#else
    termios settings{};
    const int fd = static_cast<int>(port_.handle());
    if (::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    settings.c_iflag |= PARMRK;
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | ISTRIP | INPCK);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0 || ::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    return (settings.c_iflag & PARMRK) != 0;
#endif
}

void SerialPort::onReadyRead() {
    const QByteArray raw = port_.readAll();
    if (!marked_) {
        emit received(raw);
        return;
    }
    auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(raw.constData()),
                           static_cast<std::size_t>(raw.size()));
    for (const LineMarks::Piece& piece : marks_.Feed(bytes)) {
        if (piece.isBreak) {
            emit breakDetected();
        } else {
            emit received(QByteArray(reinterpret_cast<const char*>(piece.bytes.data()),
                                     static_cast<qsizetype>(piece.bytes.size())));
        }
    }
}

void SerialPort::close() {
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
}

bool SerialPort::writeByte(std::uint8_t byte, int timeoutMs) {
    if (!port_.isOpen()) {
        return false;
    }
    const char c = static_cast<char>(byte);
    if (port_.write(&c, 1) != 1) {
        return false;
    }
    QDeadlineTimer deadline(timeoutMs);
    while (port_.isOpen() && port_.bytesToWrite() > 0) {
        if (deadline.hasExpired() ||
            !port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            port_.clear(QSerialPort::Output);  // what is left must not go out late
            return false;
        }
    }
    // A reply that came while waiting went into the port's buffer, and when the write was
    // made from the handler of an earlier reply, without a readyRead of its own: it would
    // wait there for more bytes that never come. It is delivered once the handler is done.
    if (port_.bytesAvailable() > 0) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (port_.isOpen()) {
                    onReadyRead();
                }
            },
            Qt::QueuedConnection);
    }
    return port_.isOpen();
}

void SerialPort::onError(QSerialPort::SerialPortError error) {
    // A device that was unplugged (or a pseudo-terminal whose other end closed) reports a
    // read error on every event-loop pass until it is closed.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) &&
        port_.isOpen()) {
        close();
        emit lost();
    }
}

}  // namespace kvd::link

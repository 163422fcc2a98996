#pragma once

#include <QSerialPort>

#include "link/LineMarks.h"
#include "link/qt/LinkPort.h"

namespace kvd::link {

// A real serial device at the radio's line settings: 9600 baud, 8 data bits, no parity,
// one stop bit, no flow control. A device that disappears (a USB adapter pulled out) is
// closed, so later frames write nothing. Qt reports no break conditions; on POSIX systems
// the line is asked to mark them in the data (PARMRK), and they are taken out again here.
class SerialPort : public LinkPort {
    Q_OBJECT
public:
    explicit SerialPort(QObject* parent = nullptr);

    OpenResult open(const std::string& device) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    bool writeByte(std::uint8_t byte, int timeoutMs) override;

private:
    void onError(QSerialPort::SerialPortError error);
    void onReadyRead();
    bool markLineConditions();

    QSerialPort port_;
    bool marked_ = false;  // the line marks breaks
    LineMarks marks_;
};

}  // namespace kvd::link

#pragma once

#include <QSerialPort>

#include "link/qt/LinkPort.h"

namespace kvd::link {

// A real serial device at the radio's line settings: 9600 baud, 8 data bits, no parity,
// one stop bit, no flow control. A device that disappears (a USB adapter pulled out) is
// closed, so later frames write nothing.
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

    QSerialPort port_;
};

}  // namespace kvd::link

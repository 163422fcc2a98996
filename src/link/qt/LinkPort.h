#pragma once

#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <string>

#include "link/LinkTexts.h"

namespace kvd::link {

// The result of opening a device.
struct OpenResult {
    bool ok = false;
    std::string device;
    std::string reason;             // the operating system's, when it failed
    bool permissionDenied = false;  // the user may not use the device
    bool inUse = false;             // another program holds it

    PortProblem problem() const {
        return inUse              ? PortProblem::InUse
               : permissionDenied ? PortProblem::PermissionDenied
                                  : PortProblem::Other;
    }
};

// The serial port as the link uses it. The real one is SerialPort; tests put in ports that
// answer in-process, fail after some bytes or vanish.
class LinkPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual OpenResult open(const std::string& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes one byte; false when the write did not complete within timeoutMs.
    virtual bool writeByte(std::uint8_t byte, int timeoutMs) = 0;

signals:
    void received(const QByteArray& bytes);
    void breakDetected();
    // The open device went away (an adapter pulled out); the port is closed now.
    void lost();
};

}  // namespace kvd::link

#pragma once

#include <QTimer>
#include <optional>
#include <vector>

#include "link/qt/LinkPort.h"
#include "sim/RadioSide.h"

namespace kvd::test {

// A port with an in-process radio behind it. Replies come back through the event loop a
// little later, as from a real line. It can refuse to open, fail a write, or vanish.
class FakePort : public link::LinkPort {
public:
    std::optional<sim::RadioSide> radio;
    int latencyMs = 1;
    int failAfterBytes = -1;    // this many bytes go out, the next write fails
    int vanishAfterBytes = -1;  // this many bytes go out, then the port is gone
    link::OpenResult openResult{true, {}, {}, false};

    std::vector<std::uint8_t> written;
    std::vector<std::string> openedDevices;
    bool opened = false;

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
        if (!opened) {
            return false;
        }
        if (failAfterBytes >= 0 && static_cast<int>(written.size()) >= failAfterBytes) {
            return false;
        }
        written.push_back(byte);
        if (vanishAfterBytes >= 0 && static_cast<int>(written.size()) >= vanishAfterBytes) {
            opened = false;
        }
        if (radio) {
            std::vector<std::uint8_t> reply = radio->Receive(std::span(&byte, 1));
            if (!reply.empty()) {
                QByteArray bytes(reinterpret_cast<const char*>(reply.data()),
                                 static_cast<qsizetype>(reply.size()));
                QTimer::singleShot(latencyMs, this, [this, bytes] { emit received(bytes); });
            }
        }
        return true;
    }
};

}  // namespace kvd::test

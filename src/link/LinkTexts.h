#pragma once

#include <string>

#include "texts/UserText.h"

namespace kvd::link {

// The texts of the serial link that carry values; the fixed ones (status line, the band
// question, the messages) are the link.* ids of the catalogue.

// Why a port could not be opened, where the program can tell.
enum class PortProblem {
    Other,             // the operating system's reason says it
    PermissionDenied,  // the user may not use the device
    InUse,             // another program holds it
};

// The message for a port that cannot be opened, with the port's number in it.
UserText PortBusyText(int portNumber);

// Status line after a failed open: the device and the operating system's reason; when the
// reason is a refused permission, how to get access (the dialout group on Linux); when
// another program holds the port, that.
UserText PortFailureStatus(const std::string& device, const std::string& reason,
                           PortProblem problem);

// Status line when no device stands behind port item n.
UserText PortMissingStatus(int portNumber);

// Status line when the open port n went away (its adapter was pulled out).
UserText PortLostStatus(int portNumber);

// Status line naming the device behind the open port.
UserText PortOpenedStatus(int portNumber, const std::string& device);

}  // namespace kvd::link

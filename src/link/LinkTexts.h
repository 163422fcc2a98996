#pragma once

#include <string>

#include "settings/Language.h"

namespace kvd::link {

// Every text the serial link puts on the status line or in a message box.
enum class TextId {
    Communicating,
    ReadSuccess,
    WriteSuccess,
    BandMismatch,  // the band question; also left on the status line when declined
    CommunicationError,
    PortNotOpen,
    // A write with a backup read before it and a check read after it.
    BackupReading,    // status line during the backup read
    BackupFailed,     // the backup read failed: nothing was written
    BackupNotKept,    // the backup could not be kept: nothing was written
    ConfirmWrite,     // the question before writing, after the changes were shown
    WriteCancelled,   // the answer was No
    CheckReading,     // status line during the check read
    WriteVerified,    // the radio holds what was written
    WriteDiffers,     // the radio holds something else
    WriteUnverified,  // the radio did not answer the check read
};

const LocalText& Text(TextId id);

// The message for a port that cannot be opened, with the port's number in it.
std::string PortBusyText(int portNumber, LanguageId language);

// Why a port could not be opened, where the program can tell.
enum class PortProblem {
    Other,             // the operating system's reason says it
    PermissionDenied,  // the user may not use the device
    InUse,             // another program holds it
};

// Status line after a failed open: the device and the operating system's reason; when the
// reason is a refused permission, how to get access (the dialout group on Linux); when
// another program holds the port, that.
std::string PortFailureStatus(const std::string& device, const std::string& reason,
                              PortProblem problem, LanguageId language);

// Status line when no device stands behind port item n.
std::string PortMissingStatus(int portNumber, LanguageId language);

// Status line when the open port n went away (its adapter was pulled out).
std::string PortLostStatus(int portNumber, LanguageId language);

// Status line naming the device behind the open port.
std::string PortOpenedStatus(int portNumber, const std::string& device, LanguageId language);

}  // namespace kvd::link

#include "link/LinkTexts.h"

#include "texts/TextIds.h"

namespace kvd::link {

namespace Id = TextIds::link;

UserText PortBusyText(int portNumber) {
    return {Id::portBusy, {UserText::Number(portNumber)}};
}

UserText PortFailureStatus(const std::string& device, const std::string& reason,
                           PortProblem problem) {
    const UserText shownDevice = UserText::Verbatim(device);
    switch (problem) {
        case PortProblem::PermissionDenied:
            return {Id::permissionDenied, {shownDevice}};
        case PortProblem::InUse:
            return {Id::portInUse, {shownDevice}};
        case PortProblem::Other:
            break;
    }
    return {Id::portFailure, {shownDevice, UserText::Verbatim(reason)}};
}

UserText PortMissingStatus(int portNumber) {
    return {Id::portMissing, {UserText::Number(portNumber)}};
}

UserText PortLostStatus(int portNumber) {
    return {Id::portLost, {UserText::Number(portNumber)}};
}

UserText PortOpenedStatus(int portNumber, const std::string& device) {
    return {Id::portOpened, {UserText::Number(portNumber), UserText::Verbatim(device)}};
}

}  // namespace kvd::link

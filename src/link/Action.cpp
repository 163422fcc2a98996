#include "link/Action.h"

#include <array>

#include "image/HexText.h"

namespace kvd::link {

namespace {

constexpr std::array kKindNames = {
    "SendFrame",
    "StartReplyTimer",
    "StopReplyTimer",
    "StartBlinkTimer",
    "StopBlinkTimer",
    "SetStatusText",
    "SetStatusVisible",
    "ShowProgress",
    "SetProgress",
    "HideProgress",
    "Lock",
    "Release",
    "SuppressBandPrompt",
    "CommitEdits",
    "ShowMessage",
    "AskBandQuestion",
    "ReadComplete",
    "StepStarted",
    "KeepBackup",
    "WriteChanges",
    "ConfirmWrite",
    "WriteChecked",
    "Ended",
};
static_assert(kKindNames.size() == Action::Ended + 1);

constexpr std::array kOutcomeNames = {"ReadDone",      "WriteDone",       "BandDeclined",
                                      "TimedOut",      "WriteFailed",     "PortNotOpen",
                                      "Interrupted",   "BackupFailed",    "WriteCancelled",
                                      "WriteVerified", "WriteUnverified", "WriteDiffers"};
static_assert(kOutcomeNames.size() == static_cast<std::size_t>(Outcome::WriteDiffers) + 1);
constexpr std::array kStepNames = {"read", "write", "backup", "check"};

}  // namespace

std::string Describe(const Action& a) {
    std::string text = kKindNames[a.kind];
    switch (a.kind) {
        case Action::SendFrame:
            text += " " + HexDigits(a.frame);
            break;
        case Action::SetStatusText:
        case Action::ShowMessage:
        case Action::AskBandQuestion:
        case Action::ConfirmWrite:
            text += std::string(" ") + a.text.key;
            break;
        case Action::SetStatusVisible:
            text += a.flag ? " shown" : " hidden";
            break;
        case Action::SetProgress:
            text += " " + std::to_string(a.value);
            break;
        case Action::Lock:
            text += a.mode == Mode::Read ? " read" : " write";
            break;
        case Action::StepStarted:
            text += std::string(" ") + kStepNames[static_cast<std::size_t>(a.step)];
            break;
        case Action::WriteChanges:
        case Action::WriteChecked:
            text += a.comparison ? " " + std::to_string(a.comparison->bytes.size()) + " bytes, " +
                                       std::to_string(a.comparison->fields.size()) + " fields"
                                 : std::string(" none");
            break;
        case Action::KeepBackup:
        case Action::ReadComplete:
            text +=
                " " + std::to_string(a.image.size()) + " bytes, band " + std::to_string(a.value);
            break;
        case Action::Ended:
            text += std::string(" ") + kOutcomeNames[static_cast<std::size_t>(a.outcome)];
            break;
        default:
            break;
    }
    return text;
}

}  // namespace kvd::link

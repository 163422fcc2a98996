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
    "Ended",
};
static_assert(kKindNames.size() == Action::Ended + 1);

constexpr std::array kOutcomeNames = {"ReadDone",    "WriteDone",   "BandDeclined", "TimedOut",
                                      "WriteFailed", "PortNotOpen", "Interrupted"};

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
            text += std::string(" \"") + Text(a.text).en + "\"";
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

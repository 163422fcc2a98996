#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/LinkTexts.h"

namespace kvd::link {

enum class Mode { Read, Write };

// How a conversation ended; reported once per Start.
enum class Outcome {
    ReadDone,
    WriteDone,
    BandDeclined,
    TimedOut,
    WriteFailed,
    PortNotOpen,
    Interrupted,  // the user stopped the program
};

constexpr bool Succeeded(Outcome o) {
    return o == Outcome::ReadDone || o == Outcome::WriteDone;
}

// Message-box styles and button numbers as the localized message box takes and gives them.
namespace MessageStyle {
constexpr int kOk = 0;
constexpr int kYesNo = 4;
constexpr int kCritical = 16;
constexpr int kInformation = 64;
}  // namespace MessageStyle
namespace Button {
constexpr int kOk = 1;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace Button

// One thing the program must do for the conversation, in the order given.
struct Action {
    enum Kind {
        SendFrame,        // frame: each byte by its own write
        StartReplyTimer,  // (re)start the 3000 ms reply timer
        StopReplyTimer,
        StartBlinkTimer,  // the 200 ms blink timer
        StopBlinkTimer,
        SetStatusText,     // text
        SetStatusVisible,  // flag
        ShowProgress,      // value (0)
        SetProgress,       // value
        HideProgress,
        Lock,                // mode: lock the toolbar, the programming menu and that mode's button
        Release,             // unlock them all
        SuppressBandPrompt,  // a read will set the band list: it must not ask
        CommitEdits,         // finish a cell edit in progress (focus to the band list)
        ShowMessage,         // text, style; modal: what follows runs after it is closed
        AskBandQuestion,     // text, style; answer with Conversation::AnswerBandQuestion
        ReadComplete,        // image: the 1024 bytes read; value: the radio's band
        Ended,               // outcome
    };

    Kind kind = Ended;
    std::vector<std::uint8_t> frame;
    TextId text = TextId::Communicating;
    int style = MessageStyle::kOk;
    bool flag = false;
    int value = 0;
    Mode mode = Mode::Read;
    Outcome outcome = Outcome::ReadDone;
    std::vector<std::uint8_t> image;

    static Action Of(Kind kind) {
        Action a;
        a.kind = kind;
        return a;
    }
};

using Actions = std::vector<Action>;

// A short readable form for test failures and logs.
std::string Describe(const Action& action);

}  // namespace kvd::link

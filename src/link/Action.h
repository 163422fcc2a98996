#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/WriteCheck.h"
#include "settings/MessageBoxStyle.h"
#include "texts/UserText.h"

namespace kvd::link {

enum class Mode { Read, Write };

// The conversations of a command: a read, a write, or a write with a backup read before it
// and a check read after it.
enum class Step { Read, Write, Backup, Check };

// How a conversation ended; reported once per Start.
enum class Outcome {
    ReadDone,
    WriteDone,
    BandDeclined,
    TimedOut,
    WriteFailed,
    PortNotOpen,
    Interrupted,  // the user stopped the program
    // A write with checks.
    BackupFailed,     // the backup read failed or could not be kept: nothing was written
    WriteCancelled,   // the user did not want the changes: nothing was written
    WriteVerified,    // written, and the radio holds what was written
    WriteUnverified,  // written, but the radio did not answer the check read
    WriteDiffers,     // written, but the radio holds something else
};

constexpr bool Succeeded(Outcome o) {
    return o == Outcome::ReadDone || o == Outcome::WriteDone || o == Outcome::WriteVerified;
}

// One thing the program must do for the conversation, in the order given.
struct Action {
    enum Kind {
        SendFrame,        // frame: each byte by its own write
        StartReplyTimer,  // value: (re)start the reply timer for this many ms
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
        StepStarted,         // step: the conversation that began (a write with checks)
        KeepBackup,          // image, value: the backup read; answer with LinkSequence::BackupKept
        WriteChanges,        // comparison: what the write will change (radio now: theirs)
        ConfirmWrite,        // text, comparison; answer with LinkSequence::AnswerConfirmation
        WriteChecked,        // comparison: what was written against what the radio holds
        Ended,               // outcome
    };

    Kind kind = Ended;
    std::vector<std::uint8_t> frame;
    TextId text;  // a link.* text of the catalogue
    int style = MessageBoxStyle::kOk;
    bool flag = false;
    int value = 0;
    Mode mode = Mode::Read;
    Outcome outcome = Outcome::ReadDone;
    Step step = Step::Read;
    std::vector<std::uint8_t> image;
    std::shared_ptr<const WriteComparison> comparison;

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

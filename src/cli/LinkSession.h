#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/Action.h"
#include "link/LinkSequence.h"
#include "settings/Language.h"
#include "texts/UserText.h"

namespace kvd {
struct RadioState;
}
namespace kvd::link {
class SerialLink;
}

namespace kvd::cli {

// One read or write of the radio on a serial device, as the window's Read and Write do it,
// run in its own event loop. Messages go to standard error; the band question is answered
// by `answerYes`; progress is drawn on standard error when that is a terminal. Ctrl+C or
// SIGTERM ends the conversation after the frame in flight with "E" (Outcome::Interrupted).
struct LinkSession {
    // A write with checks: which, and what the tool does at each step.
    struct WriteSteps {
        link::WriteChecks checks;
        std::function<bool(const RadioState& radio)> keepBackup;
        std::function<bool(const link::WriteComparison* changes)> confirm;
        std::function<void(link::Step step)> started;
        std::function<void(const link::WriteComparison& changes)> changes;
        std::function<void(const link::WriteComparison& check)> checked;
    };

    std::string device;
    bool answerYes = false;

    link::Outcome Run(link::Mode mode, RadioState& state) const;
    // `lastStep`: the conversation that ran last, for an interruption.
    link::Outcome RunWrite(const WriteSteps& steps, RadioState& state, link::Step& lastStep) const;

private:
    link::Outcome converse(RadioState& state, const std::function<void(link::SerialLink&)>& start,
                           link::Step* lastStep) const;
};

// Takes a progress bar off the last line of standard error, so that a message can stand
// there; the bar comes back with the next step.
void ClearProgress();

// Keeps a successful read of the radio as a backup, as the window does, and names it (or
// says why it could not) on standard error. True when the backup was written.
bool KeepBackup(const RadioState& radio);

// Options that read and write share.
struct LinkArguments {
    std::string port;
    LanguageId language = kEnglish;
};

// Takes "--port DEVICE" and "--lang en|zh" at args[i] (advancing i); false when args[i] is
// neither. Sets `error` when the option is there but wrong.
bool TakeLinkOption(const std::vector<std::string>& args, std::size_t& i, LinkArguments& out,
                    std::optional<UserText>& error);

}  // namespace kvd::cli

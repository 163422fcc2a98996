#pragma once

#include <string>
#include <vector>

#include "link/Action.h"
#include "settings/Language.h"

namespace kvd {
struct RadioState;
}

namespace kvd::cli {

// One read or write of the radio on a serial device, as the window's Read and Write do it,
// run in its own event loop. Messages go to standard error; the band question is answered
// by `answerYes`; progress is drawn on standard error when that is a terminal. Ctrl+C or
// SIGTERM ends the conversation after the frame in flight with "E" (Outcome::Interrupted).
struct LinkSession {
    std::string device;
    bool answerYes = false;

    link::Outcome Run(link::Mode mode, RadioState& state) const;
};

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
                    std::string& error);

}  // namespace kvd::cli

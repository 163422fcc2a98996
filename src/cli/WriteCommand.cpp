#include <iostream>

#include "cli/Command.h"
#include "cli/LinkSession.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"

namespace kvd::cli {

// write --port DEVICE [--debug-access] [--yes] FILE.DAT [--lang en|zh]
int RunWrite(const Arguments& args) {
    LinkArguments link;
    std::string file;
    bool debugAccess = false;
    bool yes = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakeLinkOption(args, i, link, error)) {
            if (!error.empty()) {
                return Fail(error);
            }
        } else if (args[i] == "--debug-access") {
            debugAccess = true;
        } else if (args[i] == "--yes") {
            yes = true;
        } else if (!args[i].empty() && args[i][0] != '-' && file.empty()) {
            file = args[i];
        } else {
            return Fail("unknown argument " + args[i]);
        }
    }
    if (link.port.empty() || file.empty()) {
        return Fail("usage: kvd270-cli write --port DEVICE [--debug-access] [--yes] FILE.DAT");
    }

    RadioState state = StartupState(link.language);
    state.band.SuppressBandPrompt = true;  // as Open does before decoding
    if (!OpenOrReport(file, state)) {
        return kExitBadInput;
    }
    if (debugAccess) {
        state.flags.DebugAccess = 1;  // after the decode, which withdraws it
    }
    bool written = LinkSession{link.port, yes}.Run(kvd::link::Mode::Write, state) ==
                   kvd::link::Outcome::WriteDone;
    return written ? kExitOk : kExitFailed;
}

}  // namespace kvd::cli

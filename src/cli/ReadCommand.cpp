#include <iostream>

#include "cli/CliTexts.h"
#include "cli/Command.h"
#include "cli/LinkSession.h"
#include "image/ChannelFile.h"
#include "image/QuotedText.h"
#include "image/RadioState.h"

namespace kvd::cli {

// read --port DEVICE --out FILE.DAT [--lang en|zh] [--no-backup]
int RunRead(const Arguments& args) {
    LinkArguments link;
    std::string out;
    bool backup = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakeLinkOption(args, i, link, error)) {
            if (!error.empty()) {
                return Fail(error);
            }
        } else if (args[i] == "--no-backup") {
            backup = false;
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            out = args[++i];
        } else {
            return Fail("unknown argument " + QuotedText(args[i]));
        }
    }
    if (link.port.empty() || out.empty()) {
        return Fail("usage: kvd270-cli read --port DEVICE --out FILE.DAT [--no-backup]");
    }
    // A file that cannot be written is found out before the radio is bothered.
    if (ChannelFile::Result writable = FileAccess::CheckWritable(out); !writable) {
        return Fail(out + ": cannot be written: " + writable.detail);
    }

    RadioState state = StartupState(link.language);
    const kvd::link::Outcome outcome =
        LinkSession{link.port, false}.Run(kvd::link::Mode::Read, state);
    if (outcome == kvd::link::Outcome::Interrupted) {
        std::cerr << CliTexts::kReadInterrupted.pick(link.language) << "\n";
        return kExitInterrupted;
    }
    if (outcome != kvd::link::Outcome::ReadDone) {
        return kExitFailed;  // the output file was not touched
    }
    // The backup first: what the radio gave is kept even when the output cannot be written.
    if (backup) {
        KeepBackup(state);
    }
    ChannelFile::Result saved = ChannelFile::Save(out, state);
    if (!saved) {
        return Fail(out + ": cannot be written: " + saved.detail);
    }
    return kExitOk;
}

}  // namespace kvd::cli

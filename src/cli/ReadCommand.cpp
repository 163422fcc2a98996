#include <iostream>

#include "cli/Command.h"
#include "cli/LinkSession.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace Id = TextIds::cli;

// read --port DEVICE --out FILE.DAT [--lang en|zh] [--no-backup]
int RunRead(const Arguments& args) {
    LinkArguments link;
    std::string out;
    bool backup = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<UserText> error;
        if (TakeLinkOption(args, i, link, error)) {
            if (error) {
                return Fail(*error);
            }
        } else if (args[i] == "--no-backup") {
            backup = false;
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            out = args[++i];
        } else {
            return Fail({Id::unknownArgument, {Quoted(args[i])}});
        }
    }
    if (link.port.empty() || out.empty()) {
        return FailUsage(Id::usageRead);
    }
    // A file that cannot be written is found out before the radio is bothered.
    if (ChannelFile::Result writable = FileAccess::CheckWritable(out); !writable) {
        return Fail({Id::cannotWrite, {PathText(out), FileProblem(writable)}});
    }

    RadioState state = StartupState(link.language);
    const kvd::link::Outcome outcome =
        LinkSession{link.port, false}.Run(kvd::link::Mode::Read, state);
    if (outcome == kvd::link::Outcome::Interrupted) {
        std::cerr << Say(Id::readInterrupted, link.language) << "\n";
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
        return Fail({Id::cannotWrite, {PathText(out), FileProblem(saved)}});
    }
    return kExitOk;
}

}  // namespace kvd::cli

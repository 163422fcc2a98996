#include <iostream>

#include "cli/Command.h"
#include "cli/LinkSession.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace Id = TextIds::cli;

namespace {

// What the radio may hold now, and the newest backup to restore it from when there is one.
void ReportInterruptedWrite(LanguageId language) {
    std::cerr << Say(Id::writeInterrupted, language) << "\n";
    const std::vector<std::filesystem::path> backups = Backups::List(link::BackupFolder());
    if (backups.empty()) {
        std::cerr << Say(Id::writeAgain, language) << "\n";
        return;
    }
    std::cerr << Say({Id::restoreBackup, {PathText(backups.back().string())}}, language) << "\n";
}

}  // namespace

// write --port DEVICE [--debug-access] [--yes] FILE.DAT [--lang en|zh]
int RunWrite(const Arguments& args) {
    LinkArguments link;
    std::string file;
    bool debugAccess = false;
    bool yes = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<UserText> error;
        if (TakeLinkOption(args, i, link, error)) {
            if (error) {
                return Fail(*error);
            }
        } else if (args[i] == "--debug-access") {
            debugAccess = true;
        } else if (args[i] == "--yes") {
            yes = true;
        } else if (!args[i].empty() && args[i][0] != '-' && file.empty()) {
            file = args[i];
        } else {
            return Fail({Id::unknownArgument, {Quoted(args[i])}});
        }
    }
    if (link.port.empty() || file.empty()) {
        return FailUsage(Id::usageWrite);
    }

    RadioState state = StartupState(link.language);
    state.band.SuppressBandPrompt = true;  // as Open does before decoding
    if (!OpenOrReport(file, state)) {
        return kExitBadInput;
    }
    if (debugAccess) {
        state.flags.DebugAccess = 1;  // after the decode, which withdraws it
    }
    const kvd::link::Outcome outcome =
        LinkSession{link.port, yes}.Run(kvd::link::Mode::Write, state);
    if (outcome == kvd::link::Outcome::Interrupted) {
        ReportInterruptedWrite(link.language);
        return kExitInterrupted;
    }
    return outcome == kvd::link::Outcome::WriteDone ? kExitOk : kExitFailed;
}

}  // namespace kvd::cli

#include <iostream>

#include "cli/CliTexts.h"
#include "cli/Command.h"
#include "cli/LinkSession.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"
#include "texts/QuotedText.h"

namespace kvd::cli {

namespace {

// What the radio may hold now, and the newest backup to restore it from when there is one.
void ReportInterruptedWrite(LanguageId language) {
    std::cerr << CliTexts::kWriteInterrupted.pick(language) << "\n";
    const std::vector<std::filesystem::path> backups = Backups::List(link::BackupFolder());
    if (backups.empty()) {
        std::cerr << CliTexts::kWriteAgain.pick(language) << "\n";
        return;
    }
    std::string restore = CliTexts::kRestoreBackup.pick(language);
    restore.replace(restore.find("%1"), 2, backups.back().string());
    std::cerr << restore << "\n";
}

}  // namespace

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
            return Fail("unknown argument " + QuotedText(args[i]));
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
    const kvd::link::Outcome outcome =
        LinkSession{link.port, yes}.Run(kvd::link::Mode::Write, state);
    if (outcome == kvd::link::Outcome::Interrupted) {
        ReportInterruptedWrite(link.language);
        return kExitInterrupted;
    }
    return outcome == kvd::link::Outcome::WriteDone ? kExitOk : kExitFailed;
}

}  // namespace kvd::cli

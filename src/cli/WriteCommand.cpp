#include <unistd.h>
#include <iostream>

#include "cli/CliTexts.h"
#include "cli/Command.h"
#include "cli/DiffReport.h"
#include "cli/LinkSession.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/QuotedText.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"

namespace kvd::cli {

namespace {

using link::Outcome;
using link::Step;

struct WriteArguments {
    LinkArguments link;
    std::string file;
    bool debugAccess = false;
    bool yes = false;
    link::WriteChecks checks;
};

const char* const kUsage =
    "usage: kvd270-cli write --port DEVICE [--debug-access] [--yes] [--no-backup] "
    "[--no-verify] [--confirm] FILE.DAT";

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

// Gives the error when an argument is wrong.
std::string Parse(const Arguments& args, WriteArguments& w) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string error;
        if (TakeLinkOption(args, i, w.link, error)) {
            if (!error.empty()) {
                return error;
            }
        } else if (a == "--debug-access" || a == "--yes") {
            (a == "--yes" ? w.yes : w.debugAccess) = true;
        } else if (a == "--no-backup" || a == "--no-verify" || a == "--verify") {
            (a == "--no-backup" ? w.checks.backup : w.checks.verify) = a == "--verify";
        } else if (a == "--confirm") {
            w.checks.confirm = true;
        } else if (!a.empty() && a[0] != '-' && w.file.empty()) {
            w.file = a;
        } else {
            return "unknown argument " + QuotedText(a);
        }
    }
    if (w.link.port.empty() || w.file.empty()) {
        return kUsage;
    }
    if (w.checks.confirm && !::isatty(STDIN_FILENO)) {
        return "--confirm asks on a terminal, and standard input is none";
    }
    return {};
}

// y, yes or 是 on standard input; anything else, the end of the input included, is No.
bool AskOnTerminal(LanguageId language) {
    ClearProgress();
    std::cerr << link::Text(link::TextId::ConfirmWrite).pick(language) << " "
              << CliTexts::kAnswerYesNo.pick(language) << " " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        std::cerr << "\n";
        return false;
    }
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "是";
}

const LocalText& StepName(Step step) {
    return step == Step::Backup  ? CliTexts::kStepBackup
           : step == Step::Check ? CliTexts::kStepCheck
                                 : CliTexts::kStepWrite;
}

// The steps of a write with checks as the tool takes them: each named as it begins, the
// backup kept, the changes shown before writing, the check's finding.
LinkSession::WriteSteps Steps(const WriteArguments& w, bool& backupRead) {
    const LanguageId language = w.link.language;
    const int steps = 1 + w.checks.backup + w.checks.verify;
    auto number = std::make_shared<int>(0);
    return {
        w.checks,
        [&backupRead](const RadioState& radio) {
            backupRead = true;
            return KeepBackup(radio);
        },
        [language](const link::WriteComparison*) { return AskOnTerminal(language); },
        [language, steps, number](Step step) {
            ClearProgress();
            std::cerr << "[" << ++*number << "/" << steps << "] " << StepName(step).pick(language)
                      << "\n";
        },
        [language](const link::WriteComparison& changes) {
            ClearProgress();
            std::cerr << CliTexts::kChangesHeading.pick(language) << "\n"
                      << WriteComparisonText(changes,
                                             {CliTexts::kToWrite.pick(language),
                                              CliTexts::kRadioNow.pick(language)},
                                             language);
        },
        [language](const link::WriteComparison& check) {
            ClearProgress();
            std::cerr << link::Text(check.equal() ? link::TextId::WriteVerified
                                                  : link::TextId::WriteDiffers)
                             .pick(language)
                      << "\n";
            if (!check.equal()) {
                std::cerr << WriteComparisonText(
                    check,
                    {CliTexts::kWritten.pick(language), CliTexts::kRadioHolds.pick(language)},
                    language);
            }
        },
    };
}

// What the outcome leaves to say, and the exit status.
int Finish(Outcome outcome, Step step, bool backupRead, LanguageId language) {
    auto say = [](const LocalText& text, LanguageId language) {
        std::cerr << text.pick(language) << "\n";
    };
    switch (outcome) {
        case Outcome::WriteDone:
        case Outcome::WriteVerified:
            return kExitOk;
        case Outcome::Interrupted:
            if (step == Step::Backup) {
                say(CliTexts::kInterruptedBeforeWriting, language);
            } else if (step == Step::Check) {
                say(CliTexts::kCheckInterrupted, language);
            } else {
                ReportInterruptedWrite(language);
            }
            return kExitInterrupted;
        case Outcome::BackupFailed:
            std::cerr << link::Text(backupRead ? link::TextId::BackupNotKept
                                               : link::TextId::BackupFailed)
                             .pick(language)
                      << " " << CliTexts::kNoBackupHint.pick(language) << "\n";
            return kExitFailed;
        case Outcome::WriteCancelled:
        case Outcome::BandDeclined:
            say(link::Text(link::TextId::WriteCancelled), language);
            return kExitFailed;
        default:
            return kExitFailed;  // the link's message or the check's finding said it
    }
}

}  // namespace

// write --port DEVICE [--debug-access] [--yes] [--no-backup] [--no-verify] [--confirm]
//       FILE.DAT [--lang en|zh]
int RunWrite(const Arguments& args) {
    WriteArguments w;
    if (std::string error = Parse(args, w); !error.empty()) {
        return Fail(error);
    }
    RadioState state = StartupState(w.link.language);
    state.band.SuppressBandPrompt = true;  // as Open does before decoding
    if (!OpenOrReport(w.file, state)) {
        return kExitBadInput;
    }
    if (w.debugAccess) {
        state.flags.DebugAccess = 1;  // after the decode, which withdraws it
    }
    bool backupRead = false;
    Step step = Step::Write;
    const Outcome outcome =
        LinkSession{w.link.port, w.yes}.RunWrite(Steps(w, backupRead), state, step);
    return Finish(outcome, step, backupRead, w.link.language);
}

}  // namespace kvd::cli

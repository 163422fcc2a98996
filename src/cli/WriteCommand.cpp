#include <unistd.h>
#include <iostream>

#include "cli/Command.h"
#include "cli/DiffReport.h"
#include "cli/LinkSession.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace {

namespace Id = TextIds::cli;
namespace LinkId = TextIds::link;
using link::Outcome;
using link::Step;

struct WriteArguments {
    LinkArguments link;
    std::string file;
    bool debugAccess = false;
    bool yes = false;
    link::WriteChecks checks;
};

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

// Gives the error when an argument is wrong.
std::optional<UserText> Parse(const Arguments& args, WriteArguments& w) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<UserText> error;
        if (TakeLinkOption(args, i, w.link, error)) {
            if (error) {
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
            return UserText(Id::unknownArgument, {Quoted(a)});
        }
    }
    if (w.link.port.empty() || w.file.empty()) {
        return UserText(Id::usage, {Id::usageWrite});
    }
    if (w.checks.confirm && !::isatty(STDIN_FILENO)) {
        return UserText(Id::confirmNeedsTerminal);
    }
    return {};
}

// y, yes or 是 on standard input; anything else, the end of the input included, is No.
bool AskOnTerminal(LanguageId language) {
    ClearProgress();
    std::cerr << Say({Id::answerYesNo, {LinkId::confirmWrite}}, language) << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        std::cerr << "\n";
        return false;
    }
    return answer == "y" || answer == "Y" || answer == Say(Id::yes, kEnglish) ||
           answer == Say(Id::yes, kChinese);
}

TextId StepName(Step step) {
    return step == Step::Backup  ? Id::stepBackup
           : step == Step::Check ? Id::stepCheck
                                 : Id::stepWrite;
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
            const UserText counted(
                Id::step, {UserText::Number(++*number), UserText::Number(steps), StepName(step)});
            std::cerr << Say(counted, language) << "\n";
        },
        [language](const link::WriteComparison& changes) {
            ClearProgress();
            std::cerr << Say(Id::changesHeading, language) << "\n"
                      << WriteComparisonText(
                             changes, {Say(Id::toBeWritten, language), Say(Id::radioNow, language)},
                             language);
        },
        [language](const link::WriteComparison& check) {
            ClearProgress();
            std::cerr << Say(check.equal() ? LinkId::writeVerified : LinkId::writeDiffers, language)
                      << "\n";
            if (!check.equal()) {
                std::cerr << WriteComparisonText(
                    check, {Say(Id::written, language), Say(Id::radioHolds, language)}, language);
            }
        },
    };
}

// What the outcome leaves to say, and the exit status.
int Finish(Outcome outcome, Step step, bool backupRead, LanguageId language) {
    auto say = [](TextId text, LanguageId language) { std::cerr << Say(text, language) << "\n"; };
    switch (outcome) {
        case Outcome::WriteDone:
        case Outcome::WriteVerified:
            return kExitOk;
        case Outcome::Interrupted:
            if (step == Step::Backup) {
                say(Id::interruptedBeforeWriting, language);
            } else if (step == Step::Check) {
                say(Id::checkInterrupted, language);
            } else {
                ReportInterruptedWrite(language);
            }
            return kExitInterrupted;
        case Outcome::BackupFailed:
            std::cerr << Say({Id::noBackupHint,
                              {backupRead ? LinkId::backupNotKept : LinkId::backupReadFailed}},
                             language)
                      << "\n";
            return kExitFailed;
        case Outcome::WriteCancelled:
        case Outcome::BandDeclined:
            say(LinkId::writeCancelled, language);
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
    if (const std::optional<UserText> error = Parse(args, w)) {
        return Fail(*error);
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

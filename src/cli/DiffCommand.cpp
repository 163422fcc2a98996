#include <iostream>

#include "cli/CliTexts.h"
#include "cli/Command.h"
#include "cli/DiffReport.h"
#include "cli/LinkSession.h"
#include "image/QuotedText.h"
#include "image/RadioState.h"

namespace kvd::cli {

namespace {

constexpr int kExitDiffer = 1;

struct DiffArguments {
    LinkArguments link;
    std::vector<std::string> files;
    bool json = false;
    bool backup = true;
};

const char* const kUsage =
    "usage: kvd270-cli diff A.DAT B.DAT | diff --port DEVICE FILE.DAT [--no-backup]; "
    "[--lang en|zh] [--json]";

// The radio as `read` reads it, kept as a backup unless told otherwise. Gives the exit
// status when the radio could not be read.
std::optional<int> ReadRadio(const DiffArguments& a, RadioState& radio) {
    const link::Outcome outcome = LinkSession{a.link.port, false}.Run(link::Mode::Read, radio);
    if (outcome == link::Outcome::Interrupted) {
        std::cerr << CliTexts::kReadInterrupted.pick(a.link.language) << "\n";
        return kExitInterrupted;
    }
    if (outcome != link::Outcome::ReadDone) {
        return kExitBadInput;  // like diff: trouble, not a difference
    }
    if (a.backup) {
        KeepBackup(radio);
    }
    return std::nullopt;
}

}  // namespace

// diff A.DAT B.DAT | diff --port DEVICE FILE.DAT; [--lang en|zh] [--json] [--no-backup]
int RunDiff(const Arguments& args) {
    DiffArguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakeLinkOption(args, i, a.link, error)) {
            if (!error.empty()) {
                return Fail(error);
            }
        } else if (args[i] == "--json") {
            a.json = true;
        } else if (args[i] == "--no-backup") {
            a.backup = false;
        } else if (!args[i].empty() && args[i][0] != '-') {
            a.files.push_back(args[i]);
        } else {
            return Fail("unknown argument " + QuotedText(args[i]));
        }
    }
    const bool radio = !a.link.port.empty();
    if (a.files.size() != (radio ? 1u : 2u) || (!radio && !a.backup)) {
        return Fail(kUsage);
    }
    const LanguageId language = a.link.language;
    // The files first: a file that cannot be read is found out before the radio is bothered.
    RadioState first = StartupState(language), second = StartupState(language);
    if (!OpenOrReport(a.files.back(), second) ||
        (!radio && !OpenOrReport(a.files.front(), first))) {
        return kExitBadInput;
    }
    if (radio) {
        if (std::optional<int> failed = ReadRadio(a, first)) {
            return *failed;
        }
    }
    const Sides sides{
        radio ? std::string(CliTexts::kRadio.pick(language)) + " " + a.link.port : a.files.front(),
        a.files.back()};
    const Differences differences = Compare(first, second);
    std::cout << (a.json ? DifferencesJson(differences, sides, language)
                         : DifferencesText(differences, sides, language));
    return differences.empty() ? kExitOk : kExitDiffer;
}

}  // namespace kvd::cli

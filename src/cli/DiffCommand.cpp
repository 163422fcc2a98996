#include <iostream>

#include "cli/Command.h"
#include "cli/DiffReport.h"
#include "cli/LinkSession.h"
#include "image/RadioState.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace {

namespace Id = TextIds::cli;

constexpr int kExitDiffer = 1;

struct DiffArguments {
    LinkArguments link;
    std::vector<std::string> files;
    bool json = false;
    bool backup = true;
};

// The radio as `read` reads it, kept as a backup unless told otherwise. Gives the exit
// status when the radio could not be read.
std::optional<int> ReadRadio(const DiffArguments& a, RadioState& radio) {
    const link::Outcome outcome = LinkSession{a.link.port, false}.Run(link::Mode::Read, radio);
    if (outcome == link::Outcome::Interrupted) {
        std::cerr << Say(Id::readInterrupted, a.link.language) << "\n";
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
        std::optional<UserText> error;
        if (TakeLinkOption(args, i, a.link, error)) {
            if (error) {
                return Fail(*error);
            }
        } else if (args[i] == "--json") {
            a.json = true;
        } else if (args[i] == "--no-backup") {
            a.backup = false;
        } else if (!args[i].empty() && args[i][0] != '-') {
            a.files.push_back(args[i]);
        } else {
            return Fail({Id::unknownArgument, {Quoted(args[i])}});
        }
    }
    const bool radio = !a.link.port.empty();
    if (a.files.size() != (radio ? 1u : 2u) || (!radio && !a.backup)) {
        return FailUsage(Id::usageDiff);
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
    const Sides sides{radio ? Say({Id::radio, {PathText(a.link.port)}}, language) : a.files.front(),
                      a.files.back()};
    const Differences differences = Compare(first, second);
    std::cout << (a.json ? DifferencesJson(differences, sides, language)
                         : DifferencesText(differences, sides, language));
    return differences.empty() ? kExitOk : kExitDiffer;
}

}  // namespace kvd::cli

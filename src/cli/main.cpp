#include <array>
#include <cstring>
#include <iostream>

#include "cli/Command.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace {

namespace Id = TextIds::cli;

const std::array kCommands = {
    Command{"show", Id::usageShow, RunShow},
    Command{"export-csv", Id::usageExportCsv, RunExportCsv},
    Command{"import-csv", Id::usageImportCsv, RunImportCsv},
    Command{"read", Id::usageRead, RunRead},
    Command{"write", Id::usageWrite, RunWrite},
    Command{"diff", Id::usageDiff, RunDiff},
    Command{"fields", Id::usageFields, RunFields},
    Command{"print", Id::usagePrint, RunPrint},
};

void PrintUsage(std::ostream& out) {
    out << Say(Id::usageHeading) << "\n";
    for (const Command& c : kCommands) {
        out << "  kvd270-cli " << Say(c.usage) << "\n";
    }
}

}  // namespace
}  // namespace kvd::cli

int main(int argc, char** argv) {
    using namespace kvd::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kExitBadInput;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0) {
            return c.run(Arguments(argv + 2, argv + argc));
        }
    }
    Fail({Id::unknownCommand, {Quoted(argv[1])}});
    PrintUsage(std::cerr);
    return kExitBadInput;
}

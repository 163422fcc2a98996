#include <array>
#include <cstring>
#include <iostream>

#include "cli/Command.h"
#include "image/QuotedText.h"

namespace kvd::cli {

namespace {

const std::array kCommands = {
    Command{"show", "show FILE.DAT [--lang en|zh] [--json]", RunShow},
    Command{"export-csv", "export-csv FILE.DAT OUT.csv", RunExportCsv},
    Command{"import-csv",
            "import-csv IN.csv --out FILE.DAT [--rows LIST] [--base FILE.DAT] [--band N]",
            RunImportCsv},
    Command{"read", "read --port DEVICE --out FILE.DAT [--lang en|zh] [--no-backup]", RunRead},
    Command{"write",
            "write --port DEVICE [--debug-access] [--yes] [--no-backup] [--no-verify] "
            "[--confirm] FILE.DAT [--lang en|zh]",
            RunWrite},
    Command{"diff",
            "diff A.DAT B.DAT [--lang en|zh] [--json]\n"
            "  kvd270-cli diff --port DEVICE FILE.DAT [--lang en|zh] [--json] [--no-backup]",
            RunDiff},
    Command{"fields", "fields", RunFields},
};

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : kCommands) {
        out << "  kvd270-cli " << c.usage << "\n";
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
    std::cerr << "kvd270-cli: unknown command " << kvd::QuotedText(argv[1]) << "\n";
    PrintUsage(std::cerr);
    return kExitBadInput;
}

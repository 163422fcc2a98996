#pragma once

#include <string>
#include <vector>

namespace kvd {
struct RadioState;
}

namespace kvd::cli {

// Exit statuses of the tool.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;         // the conversation with the radio failed
constexpr int kExitBadInput = 2;       // bad usage, or a file that cannot be read or written
constexpr int kExitInterrupted = 130;  // Ctrl+C or SIGTERM during a read or write

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const Arguments& args);
};

// Prints "kvd270-cli: message" on standard error and gives kExitBadInput.
int Fail(const std::string& message);

// Opens a channel file into the state as the window's Open does. True when it worked;
// otherwise the reason is on standard error.
bool OpenOrReport(const std::string& path, RadioState& state);

// The commands, one file each.
int RunShow(const Arguments& args);
int RunExportCsv(const Arguments& args);
int RunImportCsv(const Arguments& args);
int RunRead(const Arguments& args);
int RunWrite(const Arguments& args);
int RunFields(const Arguments& args);
int RunDiff(const Arguments& args);

}  // namespace kvd::cli

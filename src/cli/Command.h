#pragma once

#include <string>
#include <vector>

namespace kvd::cli {

// Exit statuses of the tool.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;    // the conversation with the radio failed
constexpr int kExitBadInput = 2;  // bad usage, or a file that cannot be read or written

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const Arguments& args);
};

// Prints "kvd270-cli: message" on standard error and gives kExitBadInput.
int Fail(const std::string& message);

// The commands, one file each.
int RunShow(const Arguments& args);
int RunExportCsv(const Arguments& args);
int RunImportCsv(const Arguments& args);
int RunRead(const Arguments& args);
int RunWrite(const Arguments& args);

}  // namespace kvd::cli

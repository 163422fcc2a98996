#pragma once

#include <string>
#include <vector>

#include "settings/Language.h"
#include "texts/UserText.h"

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
    TextId usage;  // the command's arguments, as the usage lists them
    int (*run)(const Arguments& args);
};

// A text of the tool, in English unless a command was given --lang.
std::string Say(const UserText& text, LanguageId language = kEnglish);
// A value from the command line or a file as a message quotes it.
UserText Quoted(const std::string& value);
// A path as a message names it.
UserText PathText(const std::string& path);

// Prints "kvd270-cli: message" on standard error and gives kExitBadInput.
int Fail(const UserText& message, LanguageId language = kEnglish);
// "usage: kvd270-cli <the command's arguments>", failing.
int FailUsage(TextId usage);

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
int RunPrint(const Arguments& args);

}  // namespace kvd::cli

#pragma once

#include <filesystem>

namespace kvd::link {

// Where every successful read leaves its backup: the per-user data folder, shared by the
// window and the command-line tool.
std::filesystem::path BackupFolder();

}  // namespace kvd::link

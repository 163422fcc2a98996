#pragma once

#include <filesystem>

#include <QString>

#include "image/FileAccess.h"
#include "texts/UserText.h"

namespace kvd::gui {

class MainWindow;

// Steps the file commands share: channel files and CSV alike.
namespace FileSteps {

// The one type a file dialog offers, and the suffix a typed name without one gets.
struct FileType {
    TextId filter;  // "KVD-270 (*.DAT)"
    const char* suffix;
};

// Commits an open cell editor before a command reads or replaces the table: the table
// takes the focus, as it does before a read or a write.
void CommitOpenEdit(MainWindow& window);

// The file to read, or empty when the dialog was cancelled.
QString AskOpenPath(MainWindow& window, const FileType& type);

// The file to write. When it exists the user is asked to overwrite it; No shows the dialog
// again. Empty when the dialog was cancelled.
QString AskSavePath(MainWindow& window, const FileType& type);

// Reports that a file could not be read or written; %1 of the message is the file, %2 the
// reason (the system's words, or the program's in the interface language).
void ReportFailure(MainWindow& window, TextId message, const QString& path,
                   const FileResult& result);

std::filesystem::path NativePath(const QString& path);

}  // namespace FileSteps
}  // namespace kvd::gui

#pragma once

#include <filesystem>
#include <string>

#include <QString>

#include "image/FileAccess.h"
#include "settings/Language.h"

namespace kvd::gui {

class MainWindow;

// Steps the file commands share: channel files and CSV alike.
namespace FileSteps {

// The text of the interface language.
QString Pick(const LocalText& text, LanguageId language);

// Commits an open cell editor before a command reads or replaces the table: the table
// takes the focus, as it does before a read or a write.
void CommitOpenEdit(MainWindow& window);

// The file to read, or empty when the dialog was cancelled.
QString AskOpenPath(MainWindow& window, const char* filter, const char* suffix);

// The file to write. When it exists the user is asked to overwrite it; No shows the dialog
// again. Empty when the dialog was cancelled.
QString AskSavePath(MainWindow& window, const char* filter, const char* suffix);

// Reports that a file could not be read or written; %1 of the message is the file, %2 the
// reason (the system's words, or the program's in the interface language).
void ReportFailure(MainWindow& window, const LocalText& message, const QString& path,
                   const FileResult& result);

std::filesystem::path NativePath(const QString& path);

}  // namespace FileSteps
}  // namespace kvd::gui

#pragma once

#include <QFileDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include "widgets/Responder.h"

namespace kvd::gui {

// What a file command asks the user for.
struct FileRequest {
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString filter;         // the one file type offered, "KVD-270 (*.DAT)"
    QString defaultSuffix;  // added to a typed name without one
};

// Shows the open or save dialog; returns the chosen file's absolute path, empty when the
// dialog was cancelled. A save dialog never asks about overwriting: the commands ask
// themselves. Each dialog starts in the folder of the last file chosen in this run.
QString AskFileName(QWidget* parent, const FileRequest& request);

// What a dialog offered, read back from the dialog itself.
struct FileDialogRecord {
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QStringList nameFilters;
    QString defaultSuffix;
    bool confirmsOverwrite = true;
    QString directory;
};

// Test seam: while one exists, every dialog is built as usual, handed to it instead of being
// shown, and answered with the path it returns (empty: Cancel). Responders nest; the newest
// answers.
class FileDialogResponder : public Responder<FileDialogRecord, QString> {
public:
    using Responder::Responder;
    // Answers the dialogs in turn with these paths; Cancel once they run out.
    explicit FileDialogResponder(const QStringList& answers);
};

}  // namespace kvd::gui

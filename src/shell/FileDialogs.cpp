#include "shell/FileDialogs.h"

#include <QFileInfo>

namespace kvd::gui {

namespace {

// Where the next dialog opens: the folder of the last file chosen in this run.
QString& LastFolder() {
    static QString folder;
    return folder;
}

FileDialogRecord Describe(const QFileDialog& dialog) {
    FileDialogRecord record;
    record.acceptMode = dialog.acceptMode();
    record.fileMode = dialog.fileMode();
    record.nameFilters = dialog.nameFilters();
    record.defaultSuffix = dialog.defaultSuffix();
    record.confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
    record.directory = dialog.directory().absolutePath();
    return record;
}

QString Shown(QFileDialog& dialog) {
    if (auto* responder = FileDialogResponder::Current()) {
        return responder->respond(Describe(dialog));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

}  // namespace

QString AskFileName(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.mode);
    dialog.setFileMode(request.mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The commands ask their own overwrite question, in the interface language.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!LastFolder().isEmpty()) {
        dialog.setDirectory(LastFolder());
    }
    const QString chosen = Shown(dialog);
    if (chosen.isEmpty()) {
        return {};
    }
    const QFileInfo file(chosen);
    LastFolder() = file.absolutePath();
    return file.absoluteFilePath();
}

FileDialogResponder::FileDialogResponder(const QStringList& answers)
    : Responder([queue = answers](const FileDialogRecord&) mutable {
          return queue.isEmpty() ? QString() : queue.takeFirst();
      }) {}

}  // namespace kvd::gui

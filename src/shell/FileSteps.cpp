#include "shell/FileSteps.h"

#include <QDir>
#include <QFileInfo>

#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelGrid.h"
#include "shell/FileDialogs.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui::FileSteps {

namespace Style = MessageBoxStyle;

void CommitOpenEdit(MainWindow& window) {
    window.grid()->setFocus(Qt::OtherFocusReason);
}

QString AskOpenPath(MainWindow& window, const FileType& type) {
    return AskFileName(
        &window, {QFileDialog::AcceptOpen, Tr(type.filter), QString::fromLatin1(type.suffix)});
}

QString AskSavePath(MainWindow& window, const FileType& type) {
    const FileRequest request{QFileDialog::AcceptSave, Tr(type.filter),
                              QString::fromLatin1(type.suffix)};
    for (;;) {
        const QString path = AskFileName(&window, request);
        if (path.isEmpty() || !QFileInfo::exists(path)) {
            return path;
        }
        if (window.LocalizedMessageBox(Tr(TextIds::file::overwrite),
                                       Style::kYesNo | Style::kQuestion) == Style::kIdYes) {
            return path;
        }
    }
}

void ReportFailure(MainWindow& window, TextId message, const QString& path,
                   const FileResult& result) {
    const QString text =
        Tr(UserText(message, {UserText::Verbatim(QDir::toNativeSeparators(path).toStdString()),
                              FileProblem(result)}));
    window.LocalizedMessageBox(text.trimmed(), Style::kOk | Style::kCritical);
}

std::filesystem::path NativePath(const QString& path) {
    return QFileInfo(path).filesystemAbsoluteFilePath();
}

}  // namespace kvd::gui::FileSteps

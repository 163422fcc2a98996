#include "shell/FileSteps.h"

#include <QDir>
#include <QFileInfo>

#include "catalogue/Catalogue.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelGrid.h"
#include "shell/FileDialogs.h"
#include "shell/FileTexts.h"
#include "shell/MainWindow.h"

namespace kvd::gui::FileSteps {

namespace Style = MessageBoxStyle;

QString Pick(const LocalText& text, LanguageId language) {
    return QString::fromUtf8(text.pick(language));
}

void CommitOpenEdit(MainWindow& window) {
    window.grid()->setFocus(Qt::OtherFocusReason);
}

QString AskOpenPath(MainWindow& window, const char* filter, const char* suffix) {
    return AskFileName(
        &window, {QFileDialog::AcceptOpen, QString::fromUtf8(filter), QString::fromLatin1(suffix)});
}

QString AskSavePath(MainWindow& window, const char* filter, const char* suffix) {
    const FileRequest request{QFileDialog::AcceptSave, QString::fromUtf8(filter),
                              QString::fromLatin1(suffix)};
    for (;;) {
        const QString path = AskFileName(&window, request);
        if (path.isEmpty() || !QFileInfo::exists(path)) {
            return path;
        }
        const QString question = Pick(FileTexts::kOverwrite, window.state().flags.Language);
        if (window.LocalizedMessageBox(question, Style::kYesNo | Style::kQuestion) ==
            Style::kIdYes) {
            return path;
        }
    }
}

void ReportFailure(MainWindow& window, const LocalText& message, const QString& path,
                   const FileResult& result) {
    const LanguageId language = window.state().flags.Language;
    const QString reason = Tr(FileProblem(result), language);
    const QString text = Pick(message, language).arg(QDir::toNativeSeparators(path), reason);
    window.LocalizedMessageBox(text.trimmed(), Style::kOk | Style::kCritical);
}

std::filesystem::path NativePath(const QString& path) {
    return QFileInfo(path).filesystemAbsoluteFilePath();
}

}  // namespace kvd::gui::FileSteps

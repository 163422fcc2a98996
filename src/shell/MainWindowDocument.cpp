// The window's configuration as a document: the caption, the question before unsaved
// changes are set aside, and channel files dropped on the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "settings/MessageBoxStyle.h"
#include "shell/ConfigurationHistory.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;

// The channel file among what is dragged: the first local file named *.DAT in any case.
QString DroppedChannelFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() &&
            QFileInfo(path).suffix().compare(QLatin1String("DAT"), Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return {};
}

}  // namespace

void MainWindow::configurationChanged() {
    configurationChanged(ChangeName(recorded_, state_));
}

void MainWindow::configurationChanged(const UserText& what) {
    if (history_) {
        history_->record(recorded_, what);
    }
    recorded_ = state_;
    setWindowModified(isConfigurationModified());
}

void MainWindow::configurationStored(ConfigurationDocument::Origin origin, const QString& path) {
    document_.stored(state_, origin, path);
    setWindowFilePath(path);
    showCaption();
    configurationChanged();
}

void MainWindow::configurationWritten(const RadioState& written) {
    if (document_.differs(written)) {
        document_.stored(written, ConfigurationDocument::Origin::WrittenToRadio);
        setWindowFilePath({});
        showCaption();
    }
    configurationChanged();
}

void MainWindow::configurationImported() {
    configurationSetAside();
    configurationChanged();
}

void MainWindow::configurationSetAside() {
    document_.becomeUntitled();
    setWindowFilePath({});
    showCaption();
}

void MainWindow::showCaption() {
    setWindowTitle(Tr(
        UserText(TextIds::document::caption, {document_.name(), UserText(TextIds::main::title)})));
}

bool MainWindow::settleUnsavedChanges() {
    if (!isConfigurationModified()) {
        return true;
    }
    const QString prompt = Tr(UserText(TextIds::document::savePrompt, {document_.subject()}));
    switch (LocalizedMessageBox(prompt, Style::kSaveDiscardCancel | Style::kExclamation)) {
        case Style::kIdSave:
            return save_ && save_();
        case Style::kIdDiscard:
            return true;
        default:
            return false;
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedChannelFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedChannelFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Once the drop has ended: the open may ask, and the source should not wait for that.
    QMetaObject::invokeMethod(
        this, [this, path] { requestOpen(path); }, Qt::QueuedConnection);
}

}  // namespace kvd::gui

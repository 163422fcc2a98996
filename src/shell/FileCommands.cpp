#include "shell/FileCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "image/ChannelFile.h"
#include "image/Comparison.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelTableModel.h"
#include "shell/ComparisonDialog.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/ModalDialog.h"

namespace kvd::gui {

namespace Style = MessageBoxStyle;
namespace Id = TextIds::file;

namespace {
const FileSteps::FileType kChannelFile{Id::channelFilter, "DAT"};
}  // namespace

FileCommands::FileCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("FileCommands"));
    connect(window.menus().newFile, &QAction::triggered, this, &FileCommands::New);
    connect(window.menus().open, &QAction::triggered, this, &FileCommands::Open);
    connect(window.menus().save, &QAction::triggered, this, &FileCommands::Save);
    connect(window.menus().compareFile, &QAction::triggered, this, &FileCommands::CompareWithFile);
}

void FileCommands::New() {
    FileSteps::CommitOpenEdit(window_);
    RadioState& state = window_.state();
    const int answer = window_.LocalizedMessageBox(
        Tr(Id::newPrompt), Style::kOkCancel | Style::kExclamation | Style::kDefaultSecond,
        Tr(Id::newTitle));
    if (answer != Style::kIdCancel) {
        state.channels.clear();
        window_.RefreshFromState();
    }
}

void FileCommands::Open() {
    FileSteps::CommitOpenEdit(window_);
    RadioState& state = window_.state();
    // The band the file carries is taken without the band-change question.
    state.band.SuppressBandPrompt = true;
    const QString path = FileSteps::AskOpenPath(window_, kChannelFile);
    if (path.isEmpty()) {
        return;
    }
    const ChannelFile::Result opened = ChannelFile::Open(FileSteps::NativePath(path), state);
    switch (opened.kind) {
        case ChannelFile::Result::Ok:
            window_.RefreshFromState();
            break;
        case ChannelFile::Result::WrongSignature:
            window_.LocalizedMessageBox(Tr(Id::wrongType), Style::kOk);
            break;
        default:
            FileSteps::ReportFailure(window_, Id::cannotRead, path, opened);
            break;
    }
}

void FileCommands::Save() {
    FileSteps::CommitOpenEdit(window_);
    const QString path = FileSteps::AskSavePath(window_, kChannelFile);
    if (path.isEmpty()) {
        return;
    }
    const ChannelFile::Result saved =
        ChannelFile::Save(FileSteps::NativePath(path), window_.state());
    if (!saved) {
        FileSteps::ReportFailure(window_, Id::cannotWrite, path, saved);
        return;
    }
    // The caption names the file only once it holds what the window shows.
    window_.setWindowTitle(Tr(TextIds::app::title) + QLatin1Char('-') +
                           QDir::toNativeSeparators(path));
}

void FileCommands::CompareWithFile() {
    FileSteps::CommitOpenEdit(window_);
    const QString path = FileSteps::AskOpenPath(window_, kChannelFile);
    if (path.isEmpty()) {
        return;
    }
    RadioState file;
    ApplyStartupDefaults(file);
    file.band.SuppressBandPrompt = true;
    const ChannelFile::Result opened = ChannelFile::Open(FileSteps::NativePath(path), file);
    if (opened.kind == ChannelFile::Result::WrongSignature) {
        window_.LocalizedMessageBox(Tr(Id::wrongType), Style::kOk);
        return;
    }
    if (!opened) {
        FileSteps::ReportFailure(window_, Id::cannotRead, path, opened);
        return;
    }
    namespace Compare = TextIds::compare;
    const UserText name = UserText::Verbatim(QFileInfo(path).fileName().toStdString());
    ComparisonDialog dialog(&window_, ComparisonDialog::Purpose::Show,
                            UserText(Compare::withFile, {name}), {Compare::thisWindow, name},
                            RowsOf(kvd::Compare(window_.state(), file)));
    RunModal(dialog);
}

void AttachFileCommands(MainWindow& window) {
    new FileCommands(window);
}

}  // namespace kvd::gui

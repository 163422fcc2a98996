#include "shell/FileCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

#include "image/ChannelFile.h"
#include "image/ChannelFileGaps.h"
#include "image/Comparison.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ComparisonDialog.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "shell/RecentFiles.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/ModalDialog.h"

namespace kvd::gui {

namespace Style = MessageBoxStyle;
namespace Id = TextIds::file;
using Origin = ConfigurationDocument::Origin;

namespace {

const FileSteps::FileType kChannelFile{Id::channelFilter, "DAT"};

// A message box holds a screenful; a file cut short early names the first parts.
constexpr std::size_t kPartsShown = 12;

}  // namespace

FileCommands::FileCommands(MainWindow& window)
    : QObject(&window),
      window_(window),
      recent_(new RecentFiles(window.remembered(), window.menus().recentFiles, this)) {
    setObjectName(QStringLiteral("FileCommands"));
    connect(window.menus().newFile, &QAction::triggered, this, &FileCommands::New);
    connect(window.menus().open, &QAction::triggered, this, &FileCommands::Open);
    connect(window.menus().save, &QAction::triggered, this, &FileCommands::Save);
    connect(window.menus().compareFile, &QAction::triggered, this, &FileCommands::CompareWithFile);
    connect(&window, &MainWindow::openRequested, this, &FileCommands::OpenFile);
    connect(recent_, &RecentFiles::chosen, this, &FileCommands::OpenFile);
    connect(&window, &MainWindow::languageChanged, recent_, &RecentFiles::showInMenu);
    window.setSaver([this] { return saveChanges(); });
}

void FileCommands::New() {
    FileSteps::CommitOpenEdit(window_);
    // Unsaved changes get the save question instead of the warning, never both.
    if (window_.isConfigurationModified()) {
        if (!window_.settleUnsavedChanges()) {
            return;
        }
    } else if (window_.LocalizedMessageBox(
                   Tr(Id::newPrompt),
                   Style::kOkCancel | Style::kExclamation | Style::kDefaultSecond,
                   Tr(Id::newTitle)) == Style::kIdCancel) {
        return;
    }
    window_.state().channels.clear();
    window_.RefreshFromState(TextIds::undo::newFile);
    window_.configurationStored(Origin::Untitled);
}

void FileCommands::Open() {
    FileSteps::CommitOpenEdit(window_);
    if (!window_.settleUnsavedChanges()) {
        return;
    }
    // The band the file carries is taken without the band-change question.
    window_.state().band.SuppressBandPrompt = true;
    const QString path = FileSteps::AskOpenPath(window_, kChannelFile);
    if (!path.isEmpty()) {
        openPath(path);
    }
}

void FileCommands::OpenFile(const QString& path) {
    FileSteps::CommitOpenEdit(window_);
    if (!window_.settleUnsavedChanges()) {
        return;
    }
    window_.state().band.SuppressBandPrompt = true;
    openPath(path);
}

void FileCommands::openPath(const QString& path) {
    std::string bytes;
    const ChannelFile::Result read = ChannelFile::ReadBytes(FileSteps::NativePath(path), bytes);
    if (!read) {
        FileSteps::ReportFailure(window_, Id::cannotRead, path, read);
        return;
    }
    const std::size_t length = bytes.size();
    if (!ChannelFile::OpenBytes(std::move(bytes), window_.state())) {
        window_.LocalizedMessageBox(Tr(Id::wrongType), Style::kOk);
        return;
    }
    window_.RefreshFromState(UserText(
        TextIds::undo::open, {UserText::Verbatim(QFileInfo(path).fileName().toStdString())}));
    window_.configurationStored(Origin::File, path);
    recent_->add(path);
    if (length < ChannelFile::kSize) {
        reportShortFile(length);
    }
}

// The file opened, but what it lacks came from erased memory: the user should know what.
void FileCommands::reportShortFile(std::size_t length) {
    const std::vector<UserText> parts = ChannelFile::MissingParts(length);
    QStringList lines;
    for (std::size_t i = 0; i < parts.size() && i < kPartsShown; ++i) {
        lines << Tr(parts[i]);
    }
    if (parts.size() > kPartsShown) {
        lines << Tr(UserText(
            Id::moreParts, {UserText::Number(static_cast<long long>(parts.size() - kPartsShown))}));
    }
    const UserText size = UserText::Number(static_cast<long long>(length));
    const UserText whole = UserText::Number(static_cast<long long>(ChannelFile::kSize));
    QLabel* status = window_.statusLabel();
    status->setText(Tr(UserText(Id::shortStatus, {size, whole})));
    status->setVisible(true);
    window_.LocalizedMessageBox(
        Tr(UserText(
            Id::shortFile,
            {size, whole, UserText::Verbatim(lines.join(QLatin1Char('\n')).toStdString())})),
        Style::kOk | Style::kExclamation);
}

void FileCommands::Save() {
    saveWithDialog();
}

bool FileCommands::saveWithDialog() {
    FileSteps::CommitOpenEdit(window_);
    const QString path = FileSteps::AskSavePath(window_, kChannelFile);
    return !path.isEmpty() && saveTo(path);
}

bool FileCommands::saveTo(const QString& path) {
    const ChannelFile::Result saved =
        ChannelFile::Save(FileSteps::NativePath(path), window_.state());
    if (!saved) {
        FileSteps::ReportFailure(window_, Id::cannotWrite, path, saved);
        return false;
    }
    // The caption names the file only once it holds what the window shows.
    window_.configurationStored(Origin::File, path);
    recent_->add(path);
    return true;
}

bool FileCommands::saveChanges() {
    const ConfigurationDocument& document = window_.document();
    return document.origin() == Origin::File ? saveTo(document.path()) : saveWithDialog();
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

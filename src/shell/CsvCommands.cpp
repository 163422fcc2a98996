#include "shell/CsvCommands.h"

#include <QAction>

#include "channels/CsvExchange.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "shell/ChannelTableModel.h"
#include "shell/FileSteps.h"
#include "shell/FileTexts.h"
#include "shell/MainWindow.h"
#include "shell/MessageBoxStyle.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CsvCommands::CsvCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("CsvCommands"));
    connect(window.menuItem("mnuImportCsv"), &QAction::triggered, this, &CsvCommands::Import);
    connect(window.menuItem("mnuExportCsv"), &QAction::triggered, this, &CsvCommands::Export);
}

void CsvCommands::Import() {
    FileSteps::CommitOpenEdit(window_);
    const QString path =
        FileSteps::AskOpenPath(window_, FileTexts::kCsvFilter, FileTexts::kCsvSuffix);
    if (path.isEmpty()) {
        return;
    }
    RadioState& state = window_.state();
    const LanguageId language = state.flags.Language;
    std::string bytes;
    const ChannelFile::Result read =
        ChannelFile::ReadBytes(FileSteps::NativePath(path), bytes, CsvExchange::kLargestFile + 1);
    if (!read) {
        FileSteps::ReportFailure(window_, FileTexts::kCannotRead, path, read);
        return;
    }
    if (bytes.size() > CsvExchange::kLargestFile) {
        window_.LocalizedMessageBox(FileSteps::Pick(FileTexts::kTooLarge, language),
                                    Style::kOk | Style::kExclamation);
        return;
    }
    const CsvExchange::ImportResult result = CsvExchange::Import(bytes, state.band);
    if (result.error) {
        window_.LocalizedMessageBox(
            FromStd(CsvExchange::Describe(*result.error, state.band, language)),
            Style::kOk | Style::kExclamation);
        return;
    }
    state.channels = result.channels;
    window_.RefreshFromState();
    window_.LocalizedMessageBox(FromStd(CsvExchange::DescribeSuccess(result, language)),
                                Style::kOk | Style::kInformation);
}

void CsvCommands::Export() {
    FileSteps::CommitOpenEdit(window_);
    const QString path =
        FileSteps::AskSavePath(window_, FileTexts::kCsvFilter, FileTexts::kCsvSuffix);
    if (path.isEmpty()) {
        return;
    }
    const ChannelFile::Result written = ChannelFile::WriteAtomically(
        FileSteps::NativePath(path), CsvExchange::Export(window_.state().channels));
    if (!written) {
        FileSteps::ReportFailure(window_, FileTexts::kCannotWrite, path, written);
    }
}

void AttachCsvCommands(MainWindow& window) {
    new CsvCommands(window);
}

}  // namespace kvd::gui

#include "shell/CsvCommands.h"

#include <QAction>

#include "catalogue/Catalogue.h"
#include "channels/CsvExchange.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelTableModel.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;
namespace Id = TextIds::file;

const FileSteps::FileType kCsvFile{Id::csvFilter, "csv"};

}  // namespace

CsvCommands::CsvCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("CsvCommands"));
    connect(window.menuItem("mnuImportCsv"), &QAction::triggered, this, &CsvCommands::Import);
    connect(window.menuItem("mnuExportCsv"), &QAction::triggered, this, &CsvCommands::Export);
}

void CsvCommands::Import() {
    FileSteps::CommitOpenEdit(window_);
    const QString path = FileSteps::AskOpenPath(window_, kCsvFile);
    if (path.isEmpty()) {
        return;
    }
    RadioState& state = window_.state();
    std::string bytes;
    const ChannelFile::Result read =
        ChannelFile::ReadBytes(FileSteps::NativePath(path), bytes, CsvExchange::kLargestFile + 1);
    if (!read) {
        FileSteps::ReportFailure(window_, Id::cannotRead, path, read);
        return;
    }
    if (bytes.size() > CsvExchange::kLargestFile) {
        window_.LocalizedMessageBox(Tr(Id::tooLarge), Style::kOk | Style::kExclamation);
        return;
    }
    const CsvExchange::ImportResult result = CsvExchange::Import(bytes, state.band);
    if (result.error) {
        window_.LocalizedMessageBox(Tr(CsvExchange::Describe(*result.error, state.band)),
                                    Style::kOk | Style::kExclamation);
        return;
    }
    state.channels = result.channels;
    window_.RefreshFromState();
    window_.LocalizedMessageBox(Tr(CsvExchange::DescribeSuccess(result)),
                                Style::kOk | Style::kInformation);
}

void CsvCommands::Export() {
    FileSteps::CommitOpenEdit(window_);
    const QString path = FileSteps::AskSavePath(window_, kCsvFile);
    if (path.isEmpty()) {
        return;
    }
    const ChannelFile::Result written = ChannelFile::WriteAtomically(
        FileSteps::NativePath(path), CsvExchange::Export(window_.state().channels));
    if (!written) {
        FileSteps::ReportFailure(window_, Id::cannotWrite, path, written);
    }
}

void AttachCsvCommands(MainWindow& window) {
    new CsvCommands(window);
}

}  // namespace kvd::gui

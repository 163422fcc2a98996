#include "shell/CsvCommands.h"

#include <QAction>
#include <QFileInfo>

#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelTableModel.h"
#include "shell/CsvImportDialog.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/ModalDialog.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;
namespace Id = TextIds::file;

const FileSteps::FileType kCsvFile{Id::csvFilter, "csv"};

// A message box holds a screenful; a list of a few hundred rows names the first ones.
constexpr int kLeftOutShown = 12;

// Why no row of a file can be imported: the first rows with their reasons.
QString UnusableRowsText(const CsvExchange::FileReading& reading, const BandSelection& band) {
    const std::size_t rows = reading.rows.size();
    QString text = "\n\n" + Tr(CsvExchange::LeftOutHeading(static_cast<int>(rows)));
    for (std::size_t i = 0; i < rows && i < kLeftOutShown; ++i) {
        const CsvExchange::FileRow& row = reading.rows[i];
        text += "\n" + Tr(CsvExchange::LeftOutLine(row, CsvExchange::RowReason(*row.fault, band)));
    }
    if (rows > kLeftOutShown) {
        text += "\n…";
    }
    return text;
}

}  // namespace

CsvCommands::CsvCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("CsvCommands"));
    connect(window.menus().importCsv, &QAction::triggered, this, &CsvCommands::Import);
    connect(window.menus().exportCsv, &QAction::triggered, this, &CsvCommands::Export);
}

void CsvCommands::Import() {
    FileSteps::CommitOpenEdit(window_);
    if (!window_.settleUnsavedChanges()) {
        return;
    }
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
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(bytes, state.band);
    if (reading.fault) {
        window_.LocalizedMessageBox(Tr(CsvExchange::FileFaultMessage(*reading.fault)),
                                    Style::kOk | Style::kExclamation);
        return;
    }
    if (reading.usableCount() == 0 && !reading.rows.empty()) {
        window_.LocalizedMessageBox(
            Tr(TextIds::csv::noUsableRow) + UnusableRowsText(reading, state.band),
            Style::kOk | Style::kExclamation);
        return;
    }
    CsvImportDialog dialog(&window_, reading, state.band, QFileInfo(path).fileName());
    if (RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    const CsvExchange::Placement placement = dialog.choice().place();
    state.channels = placement.channels;
    window_.RefreshFromState(TextIds::undo::importCsv);
    window_.configurationImported();
    window_.LocalizedMessageBox(Tr(CsvExchange::SuccessMessage(placement)),
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

#include "shell/CsvCommands.h"

#include <QAction>

#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelTableModel.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;
namespace Id = TextIds::file;

const FileSteps::FileType kCsvFile{Id::csvFilter, "csv"};

// A message box holds a screenful; a list of a few hundred rows names the first ones.
constexpr int kLeftOutShown = 12;

// The rows the import leaves out and why, as lines under a heading; empty when none is.
QString LeftOutText(const CsvExchange::FileReading& reading, const CsvExchange::RowChoice& choice,
                    const BandSelection& band) {
    const std::vector<std::size_t> leftOut = choice.leftOut();
    if (leftOut.empty()) {
        return {};
    }
    QString text = "\n\n" + Tr(CsvExchange::LeftOutHeading(static_cast<int>(leftOut.size())));
    for (std::size_t i = 0; i < leftOut.size() && i < kLeftOutShown; ++i) {
        const CsvExchange::FileRow& row = reading.rows[leftOut[i]];
        const UserText reason = row.usable() ? UserText(TextIds::csv::beyondSixteen)
                                             : CsvExchange::RowReason(*row.fault, band);
        text += "\n" + Tr(CsvExchange::LeftOutLine(row, reason));
    }
    if (leftOut.size() > kLeftOutShown) {
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
    const CsvExchange::RowChoice choice(reading);
    const QString leftOut = LeftOutText(reading, choice, state.band);
    if (choice.count() == 0 && !reading.rows.empty()) {
        window_.LocalizedMessageBox(Tr(TextIds::csv::noUsableRow) + leftOut,
                                    Style::kOk | Style::kExclamation);
        return;
    }
    const CsvExchange::Placement placement = choice.place();
    state.channels = placement.channels;
    window_.RefreshFromState(TextIds::undo::importCsv);
    window_.configurationImported();
    window_.LocalizedMessageBox(Tr(CsvExchange::SuccessMessage(placement)) + leftOut,
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

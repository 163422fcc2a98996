#include "shell/CsvCommands.h"

#include <QAction>

#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
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

// A message box holds a screenful; a list of a few hundred rows names the first ones.
constexpr int kLeftOutShown = 12;

// The rows the import leaves out and why, as lines under a heading; empty when none is.
QString LeftOutText(const CsvExchange::FileReading& reading, const CsvExchange::RowChoice& choice,
                    const BandSelection& band, LanguageId language) {
    const std::vector<std::size_t> leftOut = choice.leftOut();
    if (leftOut.empty()) {
        return {};
    }
    QString text =
        "\n\n" + FromStd(CsvExchange::LeftOutHeading(static_cast<int>(leftOut.size()), language));
    for (std::size_t i = 0; i < leftOut.size() && i < kLeftOutShown; ++i) {
        const CsvExchange::FileRow& row = reading.rows[leftOut[i]];
        const std::string reason = row.usable()
                                       ? CsvExchange::kBeyondSixteen.pick(language)
                                       : CsvExchange::RowReason(*row.fault, band, language);
        text += "\n" + FromStd(CsvExchange::LeftOutLine(row, reason, language));
    }
    if (leftOut.size() > kLeftOutShown) {
        text += "\n…";
    }
    return text;
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
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(bytes, state.band);
    if (reading.fault) {
        window_.LocalizedMessageBox(
            FromStd(CsvExchange::FileFaultMessage(*reading.fault, language)),
            Style::kOk | Style::kExclamation);
        return;
    }
    const CsvExchange::RowChoice choice(reading);
    const QString leftOut = LeftOutText(reading, choice, state.band, language);
    if (choice.count() == 0 && !reading.rows.empty()) {
        window_.LocalizedMessageBox(FromStd(CsvExchange::kNoUsableRow.pick(language)) + leftOut,
                                    Style::kOk | Style::kExclamation);
        return;
    }
    const CsvExchange::Placement placement = choice.place();
    state.channels = placement.channels;
    window_.RefreshFromState();
    window_.LocalizedMessageBox(FromStd(CsvExchange::SuccessMessage(placement, language)) + leftOut,
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

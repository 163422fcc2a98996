#include "shell/RowCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "channels/ChannelRows.h"
#include "channels/CsvClipboard.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;
namespace Id = TextIds::rows;

const QString kCsvType = QStringLiteral("text/csv");
// The same rows with every value of a channel, for pasting into this program.
const QString kOwnType = QStringLiteral("application/x-kvd270-rows");

// A message box holds a screenful; a long list names the first rows.
constexpr std::size_t kLeftOutShown = 12;

// The clipboard's rows as CSV: CSV as such, or tab-separated text made CSV.
std::string ClipboardCsv() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) {
        return {};
    }
    for (const QString& type : {kOwnType, kCsvType}) {
        if (data->hasFormat(type)) {
            return data->data(type).toStdString();
        }
    }
    const std::string text = data->text().toStdString();
    return CsvExchange::LooksTabSeparated(text) ? CsvExchange::CsvFromTabSeparated(text) : text;
}

// The rows a paste leaves out and why, under a heading; empty when none is.
QString LeftOutText(const CsvExchange::FileReading& reading, const ChannelRows::Pasting& pasting,
                    const BandSelection& band) {
    std::vector<std::pair<std::size_t, UserText>> leftOut;
    for (std::size_t i = 0; i < reading.rows.size(); ++i) {
        const CsvExchange::FileRow& row = reading.rows[i];
        if (!row.usable()) {
            leftOut.emplace_back(i, CsvExchange::RowReason(*row.fault, band));
        } else if (std::find(pasting.noRoom.begin(), pasting.noRoom.end(), i) !=
                   pasting.noRoom.end()) {
            leftOut.emplace_back(i, Id::noRoom);
        }
    }
    if (leftOut.empty()) {
        return {};
    }
    QString text = "\n\n" + Tr(CsvExchange::LeftOutHeading(static_cast<int>(leftOut.size())));
    for (std::size_t i = 0; i < leftOut.size() && i < kLeftOutShown; ++i) {
        const auto& [row, reason] = leftOut[i];
        text += "\n" + Tr(CsvExchange::LeftOutLine(reading.rows[row], reason));
    }
    if (leftOut.size() > kLeftOutShown) {
        text += "\n…";
    }
    return text;
}

}  // namespace

RowCommands::RowCommands(MainWindow& window)
    : QObject(&window), window_(window), menu_(new QMenu(window.grid())) {
    setObjectName(QStringLiteral("RowCommands"));
    const MainMenus& menus = window.menus();
    menu_->setObjectName(QStringLiteral("GridMenu"));
    menu_->addActions({menus.cut, menus.copy, menus.paste, menus.deleteRows});
    menu_->addSeparator();
    menu_->addActions({menus.moveUp, menus.moveDown, menus.insertRow});
    const std::pair<QAction*, void (RowCommands::*)()> commands[] = {
        {menus.cut, &RowCommands::cut},
        {menus.copy, &RowCommands::copy},
        {menus.paste, &RowCommands::paste},
        {menus.deleteRows, &RowCommands::deleteRows},
        {menus.moveUp, &RowCommands::moveUp},
        {menus.moveDown, &RowCommands::moveDown},
        {menus.insertRow, &RowCommands::insertRow}};
    for (const auto& [action, command] : commands) {
        connect(action, &QAction::triggered, this, command);
    }
    ChannelGrid* grid = window.grid();
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& at) {
        showEnabled();
        menu_->popup(grid->viewport()->mapToGlobal(at));
    });
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RowCommands::showEnabled);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RowCommands::showEnabled);
    connect(menus.lock, &QAction::toggled, this, &RowCommands::showEnabled);
    connect(menus.edit, &QMenu::aboutToShow, this, &RowCommands::showEnabled);
    showEnabled();
}

std::vector<int> RowCommands::editableRows() const {
    return window_.isEditLocked() ? std::vector<int>{} : window_.grid()->selectedRows();
}

int RowCommands::targetRow() const {
    const std::vector<int> rows = window_.grid()->selectedRows();
    const int current = window_.grid()->currentIndex().row();
    return !rows.empty() ? rows.front() : Channels::IsValidNumber(current) ? current : 0;
}

void RowCommands::showEnabled() {
    const MainMenus& menus = window_.menus();
    const std::vector<int> rows = window_.grid()->selectedRows();
    const bool unlocked = !window_.isEditLocked();
    const bool some = !rows.empty();
    menus.copy->setEnabled(some);
    menus.cut->setEnabled(some && unlocked);
    menus.deleteRows->setEnabled(some && unlocked);
    menus.moveUp->setEnabled(some && unlocked && rows.front() > 1);
    menus.moveDown->setEnabled(some && unlocked && rows.back() < Channels::kCount);
    menus.paste->setEnabled(unlocked && targetRow() != 0);
    menus.insertRow->setEnabled(unlocked && targetRow() != 0);
}

void RowCommands::changed(const std::vector<int>& rows, const UserText& what) {
    window_.gridModel()->allChanged();
    window_.grid()->selectRows(rows);
    window_.configurationChanged(what);
    showEnabled();
}

void RowCommands::copy() {
    FileSteps::CommitOpenEdit(window_);
    const std::vector<int> rows = window_.grid()->selectedRows();
    if (rows.empty()) {
        return;
    }
    const Channels& channels = window_.state().channels;
    const std::string csv = CsvExchange::ExportRows(channels, rows, false);
    auto* data = new QMimeData;
    data->setData(kOwnType,
                  QByteArray::fromStdString(CsvExchange::ExportRows(channels, rows, true)));
    data->setData(kCsvType, QByteArray::fromStdString(csv));
    data->setText(QString::fromStdString(CsvExchange::TabSeparated(csv)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void RowCommands::cut() {
    FileSteps::CommitOpenEdit(window_);
    const std::vector<int> rows = editableRows();
    if (rows.empty()) {
        return;
    }
    copy();
    ChannelRows::Clear(window_.state().channels, rows);
    changed(rows, TextIds::undo::cut);
}

void RowCommands::deleteRows() {
    FileSteps::CommitOpenEdit(window_);
    const std::vector<int> rows = editableRows();
    if (!rows.empty()) {
        ChannelRows::Clear(window_.state().channels, rows);
        changed(rows, TextIds::undo::deleteRows);
    }
}

void RowCommands::moveUp() {
    FileSteps::CommitOpenEdit(window_);
    std::vector<int> rows = editableRows();
    if (ChannelRows::MoveUp(window_.state().channels, rows)) {
        changed(rows, TextIds::undo::moveUp);
    }
}

void RowCommands::moveDown() {
    FileSteps::CommitOpenEdit(window_);
    std::vector<int> rows = editableRows();
    if (ChannelRows::MoveDown(window_.state().channels, rows)) {
        changed(rows, TextIds::undo::moveDown);
    }
}

void RowCommands::insertRow() {
    FileSteps::CommitOpenEdit(window_);
    const int row = targetRow();
    if (window_.isEditLocked() || row == 0) {
        return;
    }
    switch (ChannelRows::InsertEmpty(window_.state().channels, row)) {
        case ChannelRows::Insertion::Inserted:
            changed({row}, TextIds::undo::insertRow);
            break;
        case ChannelRows::Insertion::LastHeld:
            window_.LocalizedMessageBox(Tr(Id::insertRefused), Style::kOk | Style::kExclamation);
            break;
        case ChannelRows::Insertion::NoRow:
            break;
    }
}

void RowCommands::paste() {
    FileSteps::CommitOpenEdit(window_);
    const int row = targetRow();
    if (!window_.isEditLocked() && row != 0) {
        pasteCsv(ClipboardCsv(), row);
    }
}

void RowCommands::pasteCsv(const std::string& csv, int firstRow) {
    RadioState& state = window_.state();
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(csv, state.band);
    if (reading.fault) {
        window_.LocalizedMessageBox(Tr(CsvExchange::FileFaultMessage(*reading.fault)),
                                    Style::kOk | Style::kExclamation);
        return;
    }
    const ChannelRows::Pasting pasting = ChannelRows::Place(reading, firstRow);
    const QString leftOut = LeftOutText(reading, pasting, state.band);
    if (pasting.placed.empty()) {
        window_.LocalizedMessageBox(Tr(Id::nothingToPaste) + leftOut,
                                    Style::kOk | Style::kExclamation);
        return;
    }
    std::vector<int> rows;
    for (const auto& [number, channel] : pasting.placed) {
        state.channels[number] = channel;
        rows.push_back(number);
    }
    changed(rows, TextIds::undo::paste);
    if (!leftOut.isEmpty()) {
        const UserText pasted(Id::pasted, {UserText::Number(static_cast<long long>(rows.size()))});
        window_.LocalizedMessageBox(Tr(pasted) + leftOut, Style::kOk | Style::kInformation);
    }
}

void AttachRowCommands(MainWindow& window) {
    new RowCommands(window);
}

}  // namespace kvd::gui

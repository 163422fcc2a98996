#include "shell/CellEditors.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "channels/ChannelCells.h"
#include "channels/ChoiceLists.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/ConfigurationHistory.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/WheelGuard.h"

namespace kvd::gui {

namespace {

using CellEditRules::Editor;

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Focus that only moves for a moment (into the editor's own list or a menu, or to another
// window) comes back to the editor, so it commits nothing.
bool IsPassingFocusLoss(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
           reason == Qt::MenuBarFocusReason || QApplication::activePopupWidget();
}

}  // namespace

// The controller lives under the table's viewport and is made before the editors, so it is
// gone before they are destroyed and a dying editor's focus loss commits nothing.
CellEditors::CellEditors(MainWindow& window)
    : QObject(window.grid()->viewport()),
      window_(window),
      state_(window.state()),
      grid_(window.grid()),
      viewport_(window.grid()->viewport()),
      editors_(MakeCellEditors(window.grid()->viewport(), window.state().flags.Language)) {
    setObjectName(QStringLiteral("CellEditors"));
    IgnoreUnfocusedWheel(viewport_);
    fitColumnsToEditors();
    grid_->installEventFilter(this);
    viewport_->installEventFilter(this);
    for (QWidget* editor : editors_.all()) {
        editor->installEventFilter(this);
    }
    editors_.tone->lineEdit()->installEventFilter(this);
    editors_.tone->view()->installEventFilter(this);
    connect(editors_.tone, &QComboBox::activated, this, &CellEditors::tonePicked);
    for (QComboBox* list : editors_.choices) {
        connect(list, &QComboBox::activated, this, &CellEditors::choicePicked);
    }
    connect(grid_, &ChannelGrid::cellsResized, this, &CellEditors::followCell);
    connect(&window, &MainWindow::stateReplaced, this, &CellEditors::discard);
    // Written before the window asks whether anything is unsaved, and again at shut-down.
    connect(&window, &MainWindow::closeRequested, this, &CellEditors::commitOnClose);
    window.addCloseHandler([this] { commitOnClose(); });
}

// A list laid over a narrow column still shows its longest item, in either language.
void CellEditors::fitColumnsToEditors() {
    const int gridLine = grid_->showGrid() ? 1 : 0;
    for (int column = ChannelCells::kRxFrequency; column <= ChannelCells::kScanAdd; ++column) {
        if (const int width = EditorWidthFor(editors_, column)) {
            grid_->setMinimumColumnWidth(column, width + gridLine);
        }
    }
    grid_->layOut();
}

bool CellEditors::eventFilter(QObject* watched, QEvent* event) {
    // Only pointers are compared here: the filter also sees events while the window is
    // being destroyed.
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return watched == viewport_ && gridMouseEvent(static_cast<QMouseEvent*>(event));
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched == grid_) {
                if (!IsEnter(key)) {
                    return false;
                }
                GridClickArmed = true;
                OpenEditor();
                return true;
            }
            if (watched == viewport_) {
                return true;  // keys an editor leaves never reach the table under it
            }
            if (watched == editors_.tone->view()) {
                return toneListKeyPressed(key);
            }
            return editorKeyPressed(key);
        }
        case QEvent::EnabledChange:
            // The edit lock: what is being edited is written before the table freezes.
            if (watched == grid_ && !grid_->isEnabled()) {
                editorLostFocus();
            }
            return false;
        case QEvent::FocusOut: {
            QWidget* open = editorWidget(open_);
            const bool fromOpen =
                open && (watched == open ||
                         (open == editors_.tone && watched == editors_.tone->lineEdit()));
            if (fromOpen && !IsPassingFocusLoss(static_cast<QFocusEvent*>(event)->reason())) {
                editorLostFocus();
            }
            return false;
        }
        default:
            return false;
    }
}

// A left press opens at once, as if the button had been released on the spot; the table
// took the focus (and so committed any open editor) before this runs.
bool CellEditors::gridMouseEvent(QMouseEvent* event) {
    if (!grid_->isEnabled()) {
        return true;  // the edit lock: a click neither moves the cursor nor opens an editor
    }
    if (event->type() == QEvent::MouseMove) {
        return event->buttons() & Qt::LeftButton;  // the press has ended: no drag selection
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (listOnRelease_ && listOnRelease_ == editorWidget(open_)) {
            listOnRelease_->showPopup();
        }
        listOnRelease_ = nullptr;
        return true;
    }
    const QModelIndex cell = grid_->indexAt(event->position().toPoint());
    const bool channelRow = Channels::IsValidNumber(cell.row());
    if (event->button() == Qt::RightButton && channelRow) {
        // The context menu acts on the rows selected, or on the row under the pointer.
        const std::vector<int> rows = grid_->selectedRows();
        if (std::find(rows.begin(), rows.end(), cell.row()) == rows.end()) {
            grid_->selectRows({cell.row()});
        }
        return true;
    }
    if (event->button() != Qt::LeftButton) {
        return true;  // other buttons only give the table the focus
    }
    if (channelRow && cell.column() == 0) {
        grid_->clickChannelNumber(cell.row(), event->modifiers());
        return true;
    }
    if (cell.flags() & Qt::ItemIsSelectable) {
        GridClickArmed = true;
        grid_->setCurrentIndex(cell);
        buttonHeld_ = true;
        OpenEditor();
        buttonHeld_ = false;
    }
    return true;
}

bool CellEditors::editorKeyPressed(QKeyEvent* event) {
    if (IsEnter(event)) {
        grid_->setFocus(Qt::OtherFocusReason);  // the focus loss commits
        return true;
    }
    // Escape cancels nothing: the text is committed when the editor loses the focus.
    return event->key() == Qt::Key_Escape;
}

// Typing while the tone list is open goes into the tone's text, as with the list closed.
bool CellEditors::toneListKeyPressed(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() != 1 || !CellEditRules::IsEditorKey(text.front().unicode())) {
        return false;
    }
    QLineEdit* line = editors_.tone->lineEdit();
    editors_.tone->hidePopup();
    if (!line->isModified()) {
        line->selectAll();  // the first key replaces the tone shown, as with the list closed
    }
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), text);
    QApplication::sendEvent(line, &typed);
    return true;
}

void CellEditors::OpenEditor() {
    // A locked table opens nothing; a click on it only disarms.
    if (!GridClickArmed || !grid_->isEnabled()) {
        GridClickArmed = false;
        return;
    }
    if (open_ != Editor::None) {
        editorLostFocus();
    }
    const QModelIndex selected = grid_->currentIndex();
    const int row = selected.row();
    if (Channels::IsValidNumber(row) && selected.column() >= 1) {
        const int column = CellEditRules::ColumnToOpen(state_.channels, row, selected.column());
        const QModelIndex cell = selected.siblingAtColumn(column);
        if (column != selected.column()) {
            grid_->setCurrentIndex(cell);
        }
        EditRow = static_cast<std::int16_t>(row);
        EditCol = static_cast<std::int16_t>(column);
        switch (CellEditRules::EditorFor(column)) {
            case Editor::Frequency:
                openFrequencyEditor(cell);
                break;
            case Editor::Tone:
                openToneEditor(cell);
                break;
            case Editor::Choice:
                openChoiceEditor(cell);
                break;
            case Editor::None:
                break;
        }
    }
    GridClickArmed = false;
}

void CellEditors::showEditor(QWidget* editor, const QModelIndex& cell) {
    // A screen reader names the cell being edited.
    editor->setAccessibleName(
        Tr(UserText(TextIds::access::cellEditor,
                    {ChoiceLists::ColumnCaption(cell.column()), UserText::Number(cell.row())})));
    // The cell's own rectangle inside the grid lines, in the viewport the editor lives in.
    editor->setGeometry(grid_->visualRect(cell));
    editor->raise();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void CellEditors::openFrequencyEditor(const QModelIndex& cell) {
    QLineEdit* editor = editors_.frequency;
    LoadEditorText(editor, cellText(cell.row(), cell.column()));
    open_ = Editor::Frequency;
    showEditor(editor, cell);
    editor->selectAll();  // typing replaces the frequency shown
}

void CellEditors::openToneEditor(const QModelIndex& cell) {
    QComboBox* editor = editors_.tone;
    LoadEditorText(editor, cellText(cell.row(), cell.column()));
    open_ = Editor::Tone;
    showEditor(editor, cell);
    editor->lineEdit()->selectAll();
    openList(editor);
}

void CellEditors::openChoiceEditor(const QModelIndex& cell) {
    QComboBox* editor = editors_.choice(cell.column());
    // Preselected while hidden and without a user's pick, so it writes nothing.
    editor->setCurrentIndex(
        ChannelCells::ChoicePosition(*state_.channels[cell.row()], cell.column()));
    open_ = Editor::Choice;
    showEditor(editor, cell);
    openList(editor);
}

void CellEditors::openList(QComboBox* editor) {
    if (buttonHeld_) {
        listOnRelease_ = editor;
    } else {
        editor->showPopup();
    }
}

void CellEditors::editorLostFocus() {
    switch (open_) {
        case Editor::Frequency:
            Text1_LostFocus();
            break;
        case Editor::Tone:
            commitTone();
            break;
        case Editor::Choice:
            // Nothing to write: a pick has written already. The focus stays where it went.
            open_ = Editor::None;
            editors_.choice(EditCol)->hide();
            break;
        case Editor::None:
            break;
    }
}

void CellEditors::discard() {
    QWidget* editor = editorWidget(open_);
    open_ = Editor::None;
    listOnRelease_ = nullptr;
    if (editor) {
        editor->hide();
    }
}

void CellEditors::followCell() {
    if (QWidget* editor = editorWidget(open_)) {
        editor->setGeometry(grid_->visualRect(grid_->model()->index(EditRow, EditCol)));
    }
}

void CellEditors::commitOnClose() {
    if (open_ == Editor::Frequency) {
        Text1_LostFocus(true);
    } else {
        editorLostFocus();
    }
}

void CellEditors::Text1_LostFocus(bool quiet) {
    open_ = Editor::None;
    const auto result = CellEditRules::CommitFrequency(
        state_.channels, state_.band, EditRow, EditCol, editors_.frequency->text().toStdString());
    rowEdited();
    if (result == CellEditRules::FrequencyCommit::OutOfBand && !quiet) {
        window_.LocalizedMessageBox(Tr(TextIds::edit::outOfBand), MessageBoxStyle::kOk);
        grid_->setFocus(Qt::OtherFocusReason);
    }
    editors_.frequency->hide();
}

void CellEditors::commitTone() {
    open_ = Editor::None;
    QComboBox* editor = editors_.tone;
    // A typed text stands for no list item, whatever item was selected before.
    const int selected = editor->lineEdit()->isModified() ? -1 : editor->currentIndex();
    CellEditRules::CommitTone(state_.channels, EditRow, EditCol,
                              editor->currentText().toStdString(), selected);
    rowEdited();
    editor->hide();
}

void CellEditors::tonePicked(int position) {
    if (open_ != Editor::Tone) {
        return;
    }
    CellEditRules::PickTone(state_.channels, EditRow, EditCol, position);
    rowEdited();
    closeEditor();
}

void CellEditors::choicePicked(int position) {
    if (open_ != Editor::Choice) {
        return;
    }
    CellEditRules::PickChoice(state_.channels, EditRow, EditCol, position);
    rowEdited();
    closeEditor();
}

void CellEditors::closeEditor() {
    QWidget* editor = editorWidget(open_);
    open_ = Editor::None;
    grid_->setFocus(Qt::OtherFocusReason);
    if (editor) {
        editor->hide();
    }
}

QWidget* CellEditors::editorWidget(Editor kind) const {
    switch (kind) {
        case Editor::Frequency:
            return editors_.frequency;
        case Editor::Tone:
            return editors_.tone;
        case Editor::Choice:
            return editors_.choice(EditCol);
        case Editor::None:
            return nullptr;
    }
    return nullptr;
}

QString CellEditors::cellText(int row, int column) const {
    return Tr(ChannelCells::Text(state_.channels, row, column), state_.flags.Language);
}

void CellEditors::rowEdited() {
    window_.gridModel()->rowsChanged(EditRow, EditRow);
    window_.configurationChanged(CellEditName(EditRow, EditCol));
}

void AttachCellEditors(MainWindow& window) {
    auto* cellEditors = new CellEditors(window);
    QObject::connect(
        &window, &MainWindow::languageChanged, cellEditors,
        [editors = cellEditors->editors()] { ApplyEditorLanguage(editors, InterfaceLanguage()); });
}

}  // namespace kvd::gui

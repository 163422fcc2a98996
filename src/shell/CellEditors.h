#pragma once

#include <cstdint>

#include <QObject>

#include "channels/CellEditRules.h"
#include "shell/CellEditorWidgets.h"

class QComboBox;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace kvd {
struct RadioState;
}

namespace kvd::gui {

class ChannelGrid;
class MainWindow;

// In-place editing of the channel table. A left click or Enter on a channel cell lays the
// cell's editor exactly over it; the editor writes its cell when it loses the focus and
// hides. The order of focus events sequences a commit and the next opening: whatever takes
// the focus from an open editor (another cell, Enter, the band list, a file command)
// commits it before anything else happens, and closing the window commits it too. While the
// edit lock holds the table no editor opens, and locking commits the open one; a table
// replaced under an open editor (a read, a file) drops it unwritten.
class CellEditors : public QObject {
    Q_OBJECT
public:
    explicit CellEditors(MainWindow& window);

    const CellEditorSet& editors() const { return editors_; }
    // The editor now shown; None while every editor is hidden.
    CellEditRules::Editor openEditor() const { return open_; }

    // The cell being edited, grid row 1..16 and column 1..8; kept until the next opening.
    std::int16_t EditRow = 0;
    std::int16_t EditCol = 0;
    // Set by a left press or Enter in the table; an editor opens only while it is set.
    bool GridClickArmed = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitColumnsToEditors();
    // The cell-click handling: opens the editor of the selected cell while armed.
    void OpenEditor();
    // The frequency editor lost the focus: checks and writes its text. quiet leaves out the
    // out-of-band message (the window is closing).
    void Text1_LostFocus(bool quiet = false);
    bool gridMouseEvent(QMouseEvent* event);
    bool editorKeyPressed(QKeyEvent* event);
    bool toneListKeyPressed(QKeyEvent* event);
    void editorLostFocus();
    void commitOnClose();
    // The table was replaced under an open editor: its text belongs to a cell that is gone,
    // so it hides without writing.
    void discard();
    // The grid's cells changed size: the open editor stays over its cell.
    void followCell();

    void showEditor(QWidget* editor, const QModelIndex& cell);
    void openList(QComboBox* editor);
    void openFrequencyEditor(const QModelIndex& cell);
    void openToneEditor(const QModelIndex& cell);
    void openChoiceEditor(const QModelIndex& cell);

    void commitTone();
    void tonePicked(int position);
    void choicePicked(int position);
    // After a pick: the table takes the focus and the editor hides.
    void closeEditor();

    QWidget* editorWidget(CellEditRules::Editor kind) const;
    QString cellText(int row, int column) const;
    // The grid shows the edited row again.
    void rowEdited();

    MainWindow& window_;
    RadioState& state_;
    ChannelGrid* grid_;
    QWidget* viewport_;
    CellEditorSet editors_;
    CellEditRules::Editor open_ = CellEditRules::Editor::None;
    // A list opened by a click drops down once the button is up, so that the release does
    // not land on the list and pick an item.
    bool buttonHeld_ = false;
    QComboBox* listOnRelease_ = nullptr;
};

// Lays the editors over the main window's table and joins their texts to the language
// switch.
void AttachCellEditors(MainWindow& window);

}  // namespace kvd::gui

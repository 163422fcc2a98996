#pragma once

#include <vector>

#include <QObject>

#include "texts/UserText.h"

class QMenu;

namespace kvd::gui {

class MainWindow;

// The Edit menu's row commands and the table's context menu: whole rows cut, copied,
// pasted, deleted, moved and inserted. The clipboard holds rows as CSV in the export's
// columns and as tab-separated text; a paste takes either, by the import's rules. Every
// command first writes an open cell editor, and none changes the table under the edit lock.
class RowCommands : public QObject {
    Q_OBJECT
public:
    explicit RowCommands(MainWindow& window);

    void cut();
    void copy();
    void paste();
    void deleteRows();
    void moveUp();
    void moveDown();
    void insertRow();

    QMenu* contextMenu() const { return menu_; }

private:
    // The selected rows, or none while the table is locked.
    std::vector<int> editableRows() const;
    // The first row a paste or an insertion acts on: the first selected, or the cursor's.
    int targetRow() const;
    void changed(const std::vector<int>& rows, const UserText& what);
    void pasteCsv(const std::string& csv, int firstRow);
    void showEnabled();

    MainWindow& window_;
    QMenu* menu_;
};

void AttachRowCommands(MainWindow& window);

}  // namespace kvd::gui

#pragma once

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "../../shell/tests/ShellTestSupport.h"

namespace kvd::gui::test {

// A control of a window by objectName; fails the test when missing.
template <class Control>
Control* Find(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control) {
        qWarning("no control %s in %s", name, qPrintable(window->objectName()));
    }
    return control;
}

// A dialog of the window by objectName, whether shown or not.
QDialog* DialogOf(MainWindow& window, const char* name);

// Opens a dialog from its menu item, as the user does.
QDialog* OpenFromMenu(MainWindow& window, const char* menuItem, const char* dialogName);

void PressButton(QDialog* dialog, const char* name);
// The window's close box.
void CloseBox(QDialog* dialog);

// Edits a grid cell as the user does: choose it (which starts the edit), type the keys,
// press Enter. Returns false when the cell refused the edit.
bool EditCell(QTableWidget* grid, int row, int column, const QString& keys);
// Chooses a cell and clears it.
bool ClearCell(QTableWidget* grid, int row, int column);

// Types the characters one key at a time into a widget, any character a keyboard or an
// input method may send.
void TypeKeys(QWidget* widget, const QString& keys);

// Replaces a text box's whole text by typing, as a user would.
void TypeInto(QLineEdit* field, const QString& keys);

QString GridText(QTableWidget* grid, int row, int column);

// A clock the test moves by hand; starts far from zero, as a machine's clock does.
struct ManualClock {
    double now = 5000.25;
    std::function<double()> function() {
        return [this] { return now; };
    }
};

}  // namespace kvd::gui::test

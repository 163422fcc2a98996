#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "../../shell/tests/ShellTestSupport.h"
#include "dialogs/DialogGrid.h"

namespace kvd::gui::test {

// A control by objectName; a missing one is reported and found as null.
template <class Control = QWidget>
Control* Find(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control) {
        qWarning("no control %s in %s", name, qPrintable(window->objectName()));
    }
    return control;
}

// Opens a dialog from its menu item, as the user does.
QDialog* OpenFromMenu(MainWindow& window, const char* menuItem, const char* dialogName);
void PressButton(QDialog* dialog, const char* name);

// Edits a grid cell as the user does: choose it (which starts the edit), type the keys,
// press Enter. False when the cell refused the edit.
bool EditCell(DialogGrid* grid, int row, int column, const QString& keys);

// Types the characters one key at a time, as a keyboard or an input method sends them.
void TypeKeys(QWidget* widget, const QString& keys);
// Replaces a text box's whole text by typing.
void TypeInto(QLineEdit* field, const QString& keys);

// A clock the test moves by hand; starts far from zero, as a machine's clock does.
struct ManualClock {
    double now = 5000.25;
    std::function<double()> function() {
        return [this] { return now; };
    }
};

}  // namespace kvd::gui::test

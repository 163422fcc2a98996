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

// The optional-function dialog's lists in the order of their settings, their positions read
// as "1 0 7 ..." and chosen from such a text.
QString ListPositions(QDialog* optional);
void ChoosePositions(QDialog* optional, const QString& positions);

}  // namespace kvd::gui::test

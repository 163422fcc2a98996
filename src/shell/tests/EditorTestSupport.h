#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "ShellTestSupport.h"
#include "shell/CellEditors.h"

namespace kvd::gui::test {

// Band 136-174MHz, as most of the editing cases use it.
constexpr int kBand136 = 5;

// Starts the window active, so focus moves as it does for a user.
MainWindow& StartActive(ShellRun& run);

CellEditors& EditorsOf(MainWindow& window);
QLineEdit* FrequencyEditor(MainWindow& window);
QComboBox* ToneEditor(MainWindow& window);
QComboBox* ChoiceEditor(MainWindow& window, int column);

// A left click on a grid cell, as the user makes it.
void ClickCell(MainWindow& window, int row, int column);
// Types into whatever holds the focus.
void Type(const QString& text);
void Press(Qt::Key key);
// Click, type, Enter: the frequency or tone typed into a cell.
void TypeIntoCell(MainWindow& window, int row, int column, const QString& text);

}  // namespace kvd::gui::test

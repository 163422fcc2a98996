#pragma once

#include <QStringList>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;

namespace kvd::gui {

// Widths that hold a control's texts in every language, so that a language switch neither
// cuts a text nor moves the window's layout.
void FitLabel(QLabel* label, const QStringList& texts);
void FitComboItems(QComboBox* list, const QStringList& texts);
void FitWidest(QAbstractButton* button, const QStringList& texts);
void FitWidest(QGroupBox* frame, const QStringList& texts);
// The width a list needs to show the widest of the texts, frame and arrow included.
int ComboWidthFor(const QComboBox* list, const QStringList& texts);

}  // namespace kvd::gui

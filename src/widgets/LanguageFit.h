#pragma once

#include <QStringList>

#include "widgets/CaptionTable.h"

class QComboBox;
class QLabel;

namespace kvd::gui {

// Widths that hold a control's texts in both languages, so that a language switch neither
// cuts a text nor moves the window's layout.
void FitLabel(QLabel* label, const QStringList& texts);
void FitComboItems(QComboBox* list, const QStringList& texts);
// The width a list needs to show the widest of the texts, frame and arrow included.
int ComboWidthFor(const QComboBox* list, const QStringList& texts);

// The same for the labels and lists of a caption table.
void FitCaptions(QWidget* window, const CaptionTable& table);

}  // namespace kvd::gui

#pragma once

#include "widgets/CaptionTable.h"

class QWidget;

namespace kvd::gui {

// Sizes every captioned control of a dialog (labels, lists, buttons, check boxes, frames)
// for the wider of its two languages, so a language switch neither cuts a text nor moves
// the dialog's layout.
void FitDialogCaptions(QWidget* dialog, const CaptionTable& table);

}  // namespace kvd::gui

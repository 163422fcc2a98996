#pragma once

#include <QString>

#include "widgets/Responder.h"

class QDialog;

namespace kvd::gui {

// Shows a modal dialog of the program and gives its result (QDialog::Accepted or
// QDialog::Rejected). The one way the program runs a dialog of its own that waits for an
// answer, so that tests reach it.
int RunModal(QDialog& dialog);

// What RunModal was handed. `dialog` lives only while the responder answers.
struct ModalDialogRecord {
    QString objectName;
    QString title;
    QDialog* dialog = nullptr;
};

// Test seam: while one exists, RunModal hands the dialog, built as usual, to it instead of
// showing it; the responder may work the dialog's controls as a user would and gives the
// result. Responders nest; the newest answers.
class ModalDialogResponder : public Responder<ModalDialogRecord, int> {
public:
    using Responder::Responder;
};

}  // namespace kvd::gui

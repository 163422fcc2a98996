#include "widgets/ModalDialog.h"

#include <QDialog>

namespace kvd::gui {

int RunModal(QDialog& dialog) {
    if (ModalDialogResponder::Responder* responder = ModalDialogResponder::Current()) {
        dialog.ensurePolished();
        return responder->respond({dialog.objectName(), dialog.windowTitle(), &dialog});
    }
    return dialog.exec();
}

}  // namespace kvd::gui

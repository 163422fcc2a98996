#include "app/DialogParts.h"

#include <QAction>

#include "dialogs/AboutBox.h"
#include "dialogs/DebugAccess.h"
#include "dialogs/DebugFrequencyDialog.h"
#include "dialogs/EmbeddedInfoDialog.h"
#include "dialogs/KeysSetDialog.h"
#include "dialogs/OptionalFunctionDialog.h"
#include "dialogs/PowerDebugDialog.h"
#include "shell/MainWindow.h"
#include "widgets/WheelGuard.h"

namespace kvd::gui {

namespace {

// Makes a dialog, hidden, and opens it from its menu item.
template <class Dialog>
Dialog* Attach(MainWindow& window, QAction* MainMenus::*menuItem) {
    auto* dialog = new Dialog(window);
    IgnoreUnfocusedWheel(dialog);
    QObject::connect(window.menus().*menuItem, &QAction::triggered, dialog,
                     &ModelessDialog::ShowFilled);
    // Queued: a read replaces the settings in the middle of its conversation, and a refill
    // may ask something (the priority rules) only once that has run on.
    QObject::connect(&window, &MainWindow::stateReplaced, dialog,
                     &ModelessDialog::showReplacedSettings, Qt::QueuedConnection);
    return dialog;
}

}  // namespace

void AttachDialogs(MainWindow& window) {
    // The order in which the old program made them.
    auto* power = Attach<PowerDebugDialog>(window, &MainMenus::powerDebug);
    auto* access = new DebugAccess(window, window.toolBar().withdrawDebugAccess, power);
    Attach<DebugFrequencyDialog>(window, &MainMenus::debugFrequencies);
    auto* optional = Attach<OptionalFunctionDialog>(window, &MainMenus::optionalFunctions);
    QObject::connect(optional, &OptionalFunctionDialog::gestureCaptionClicked, access,
                     &DebugAccess::captionClicked);
    Attach<KeysSetDialog>(window, &MainMenus::keysSet);
    Attach<EmbeddedInfoDialog>(window, &MainMenus::embeddedInformation);
    Attach<AboutBox>(window, &MainMenus::about);
}

}  // namespace kvd::gui

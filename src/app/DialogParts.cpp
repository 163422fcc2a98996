#include "app/DialogParts.h"

#include <functional>
#include <memory>

#include <QAction>
#include <QPointer>

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

// Opens a dialog from its menu item. The dialog is made, hidden, the first time anything
// needs it, and lives as long as the window; the returned function gives it, making it if
// need be. Made in the interface language, it follows every later switch by itself.
template <class Dialog>
std::function<Dialog*()> Attach(MainWindow& window, QAction* MainMenus::*menuItem,
                                std::function<void(Dialog*)> whenMade = {}) {
    auto made = std::make_shared<QPointer<Dialog>>();
    auto dialog = [&window, made, whenMade]() -> Dialog* {
        if (!*made) {
            *made = new Dialog(window);
            IgnoreUnfocusedWheel(*made);
            // Queued: a read replaces the settings in the middle of its conversation, and a
            // refill may ask something (the priority rules) only once that has run on.
            QObject::connect(&window, &MainWindow::stateReplaced, *made,
                             &ModelessDialog::showReplacedSettings, Qt::QueuedConnection);
            if (whenMade) {
                whenMade(*made);
            }
        }
        return *made;
    };
    QObject::connect(window.menus().*menuItem, &QAction::triggered, &window,
                     [dialog] { dialog()->ShowFilled(); });
    return dialog;
}

}  // namespace

void AttachDialogs(MainWindow& window) {
    auto power = Attach<PowerDebugDialog>(window, &MainMenus::powerDebug);
    auto* access = new DebugAccess(window, window.toolBar().withdrawDebugAccess, power);
    Attach<DebugFrequencyDialog>(window, &MainMenus::debugFrequencies);
    Attach<OptionalFunctionDialog>(
        window, &MainMenus::optionalFunctions, [access](OptionalFunctionDialog* dialog) {
            QObject::connect(dialog, &OptionalFunctionDialog::gestureCaptionClicked, access,
                             &DebugAccess::captionClicked);
        });
    Attach<KeysSetDialog>(window, &MainMenus::keysSet);
    Attach<EmbeddedInfoDialog>(window, &MainMenus::embeddedInformation);
    Attach<AboutBox>(window, &MainMenus::about);
}

}  // namespace kvd::gui

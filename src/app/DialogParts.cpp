#include "app/DialogParts.h"

#include <functional>
#include <memory>

#include <QAction>
#include <QPointer>

#include "dialogs/AboutBox.h"
#include "dialogs/DebugAccess.h"
#include "dialogs/DebugFrequencyDialog.h"
#include "dialogs/DialogCaptions.h"
#include "dialogs/EmbeddedInfoDialog.h"
#include "dialogs/KeysSetDialog.h"
#include "dialogs/OptionalFunctionDialog.h"
#include "dialogs/OptionalFunctionTable.h"
#include "dialogs/PowerDebugDialog.h"
#include "shell/MainWindow.h"
#include "widgets/WheelGuard.h"

namespace kvd::gui {

namespace {

using Rank = LanguageRegistry::Rank;

// Registers a dialog with the language switch and its menu item. The dialog is made once,
// by whichever comes first; the returned function gives it, making it if need be.
template <class Dialog>
std::function<Dialog*()> Attach(MainWindow& window, Rank rank, const char* menuItem,
                                const CaptionTable& captions,
                                std::function<void(Dialog*)> whenMade = {}) {
    auto made = std::make_shared<QPointer<Dialog>>();
    auto dialog = [&window, made, whenMade]() -> Dialog* {
        if (!*made) {
            *made = new Dialog(window);
            IgnoreUnfocusedWheel(*made);
            if (whenMade) {
                whenMade(*made);
            }
        }
        return *made;
    };
    window.languages().add({rank, dialog, captions, [](QWidget* made, LanguageId language) {
                                static_cast<ModelessDialog*>(made)->languageChanged(language);
                            }});
    QObject::connect(window.menuItem(menuItem), &QAction::triggered, &window,
                     [dialog] { dialog()->ShowFilled(); });
    // Queued: a read replaces the settings in the middle of its conversation, and a refill
    // may ask something (the priority rules) only once that has run on.
    QObject::connect(
        &window, &MainWindow::stateReplaced, &window,
        [made] {
            if (*made) {
                (*made)->showReplacedSettings();
            }
        },
        Qt::QueuedConnection);
    return dialog;
}

}  // namespace

void AttachDialogs(MainWindow& window) {
    // In the order the language switch visits them.
    auto power = Attach<PowerDebugDialog>(window, Rank::kPowerDebug, "mnudebug",
                                          DialogCaptions::PowerDebug());
    auto* access = new DebugAccess(window, window.toolButton("TAnMa"), power);
    Attach<DebugFrequencyDialog>(window, Rank::kDebugFrequency, "mnutestfre",
                                 DialogCaptions::DebugFrequency());
    Attach<OptionalFunctionDialog>(
        window, Rank::kOptionalFunction, "mnudtmf", OptionalFunctionTable::Captions(),
        [access](OptionalFunctionDialog* dialog) {
            QObject::connect(dialog, &OptionalFunctionDialog::gestureCaptionClicked, access,
                             &DebugAccess::captionClicked);
        });
    Attach<KeysSetDialog>(window, Rank::kKeysSet, "Key_enactment", DialogCaptions::KeysSet());
    Attach<EmbeddedInfoDialog>(window, Rank::kEmbeddedInformation, "mnusetin",
                               DialogCaptions::EmbeddedInformation());
    Attach<AboutBox>(window, Rank::kAbout, "mnuabout", DialogCaptions::About());
}

}  // namespace kvd::gui

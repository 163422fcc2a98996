#include "shell/ProgramParts.h"

#include "dialogs/DialogParts.h"
#include "shell/LinkCommands.h"
#include "shell/MainWindow.h"

namespace kvd::gui {

void AttachProgramParts(MainWindow& window) {
    // One line per part, in the order their captions and handlers must run.
    new LinkCommands(window);
    AttachDialogs(window);
}

}  // namespace kvd::gui

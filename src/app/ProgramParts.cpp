#include "app/ProgramParts.h"

#include "app/DialogParts.h"
#include "shell/CellEditors.h"
#include "shell/CsvCommands.h"
#include "shell/FileCommands.h"
#include "shell/LinkCommands.h"
#include "shell/MainWindow.h"
#include "shell/PrintCommands.h"
#include "shell/RowCommands.h"

namespace kvd::gui {

void AttachProgramParts(MainWindow& window) {
    // One line per part, in the order their captions and handlers must run.
    AttachCellEditors(window);
    AttachRowCommands(window);
    AttachFileCommands(window);
    AttachCsvCommands(window);
    AttachPrintCommands(window);
    new LinkCommands(window);
    AttachDialogs(window);
}

}  // namespace kvd::gui

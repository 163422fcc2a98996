#pragma once

namespace kvd::gui {

class MainWindow;

// Attaches the settings dialogs, debug access and the about box to the main window: each
// opens from its menu item and is made, hidden, the first time it is needed.
void AttachDialogs(MainWindow& window);

}  // namespace kvd::gui

#pragma once

namespace kvd::gui {

class MainWindow;

// Attaches the settings dialogs, debug access and the about box to the main window: each
// window is made, hidden, and opens from its menu item.
void AttachDialogs(MainWindow& window);

}  // namespace kvd::gui

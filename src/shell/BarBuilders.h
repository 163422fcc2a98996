#pragma once

#include <span>

#include "shell/MenuLayout.h"
#include "shell/ToolBarLayout.h"

class QMainWindow;
class QMenuBar;
class QToolBar;

namespace kvd::gui {

// Menus and items with their objectNames, shortcuts and check marks; captions come later.
void BuildMenuBar(QMenuBar* bar, std::span<const MenuLayout> menus);

// The toolbar `Toolbar1`. Each button with a menu item triggers that item, so whatever is
// connected to the item serves the button too.
QToolBar* BuildToolBar(QMainWindow* window, std::span<const ToolButtonLayout> buttons);

}  // namespace kvd::gui

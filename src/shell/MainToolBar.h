#pragma once

class QAction;
class QMainWindow;
class QToolBar;

namespace kvd::gui {

class Captions;
struct MainMenus;

// The toolbar `Toolbar1`. Each button is the QAction "Toolbar1_<key>", and its button widget
// has the same objectName. A button with a menu item triggers that item, so whatever is
// connected to the item serves the button too.
struct MainToolBar {
    QToolBar* bar = nullptr;
    QAction* newFile = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* read = nullptr;
    QAction* write = nullptr;
    // "TAnMa": withdraws debug access; hidden until access is granted.
    QAction* withdrawDebugAccess = nullptr;
};

MainToolBar BuildMainToolBar(QMainWindow* window, const MainMenus& menus, Captions& captions);

}  // namespace kvd::gui

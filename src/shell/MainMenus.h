#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace kvd::gui {

class Captions;

// The main window's menu bar, item by item. Each item keeps the old program's control name
// as its objectName (`mnureadFre`); code reaches it through its member.
struct MainMenus {
    static constexpr int kPorts = 8;

    QMenu* file = nullptr;
    QAction* newFile = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QMenu* recentFiles = nullptr;  // its items: RecentFiles
    QAction* importCsv = nullptr;
    QAction* exportCsv = nullptr;
    QAction* print = nullptr;
    QAction* exportPdf = nullptr;
    QAction* compareFile = nullptr;
    QAction* quit = nullptr;

    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* deleteRows = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    QAction* insertRow = nullptr;

    QMenu* programming = nullptr;
    QAction* readFrequency = nullptr;
    QAction* writeFrequency = nullptr;
    QAction* compareRadio = nullptr;
    QAction* backupFirst = nullptr;  // checkable: a write reads the radio first and keeps it
    QAction* verifyAfter = nullptr;  // checkable: a write reads the radio back and compares
    QAction* optionalFunctions = nullptr;
    QAction* keysSet = nullptr;
    QAction* embeddedInformation = nullptr;
    QAction* powerDebug = nullptr;
    QAction* debugFrequencies = nullptr;

    QMenu* settings = nullptr;
    QAction* lock = nullptr;  // checkable

    QMenu* ports = nullptr;
    std::array<QAction*, kPorts> port{};  // COM1..COM8, checkable

    QMenu* languages = nullptr;
    QAction* chinese = nullptr;  // checked while the interface is Chinese
    QAction* english = nullptr;

    QMenu* help = nullptr;
    QAction* helpTopic = nullptr;  // never offered: there is no help file
    QAction* about = nullptr;

    // The item of port n, 1..8.
    QAction* portItem(int n) const { return port[n - 1]; }
};

// Makes the menus and items with their objectNames, shortcuts and check marks, and adds
// their captions.
MainMenus BuildMainMenus(QMenuBar* bar, Captions& captions);

}  // namespace kvd::gui

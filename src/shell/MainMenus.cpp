#include "shell/MainMenus.h"

#include <span>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "texts/TextIds.h"
#include "widgets/Captions.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::menu;
using M = MainMenus;

// One row per item, top to bottom; a row without an item is a separator.
struct ItemRow {
    QAction* M::*item = nullptr;
    const char* objectName = nullptr;
    TextId caption;
    const char* shortcut = nullptr;  // portable key text, the same in every language
    bool checkable = false;
    bool enabled = true;
};

struct MenuRow {
    QMenu* M::*menu;
    const char* objectName;
    TextId caption;
    std::span<const ItemRow> items;
};

constexpr ItemRow kSeparator{};

constexpr ItemRow kFile[] = {
    {&M::newFile, "mnuNew", Id::newFile, "Ctrl+N"},
    {&M::open, "mnuOpen", Id::open, "Ctrl+O"},
    {&M::save, "mnuAssave", Id::save, "Ctrl+S"},
    kSeparator,
    {&M::importCsv, "mnuImportCsv", Id::importCsv},
    {&M::exportCsv, "mnuExportCsv", Id::exportCsv},
    kSeparator,
    {&M::compareFile, "mnuCompareFile", Id::compareFile},
    kSeparator,
    {&M::print, "mnuPrint", Id::print, "Ctrl+P"},
    {&M::exportPdf, "mnuExportPdf", Id::exportPdf},
    kSeparator,
    {&M::quit, "mnuQuit", Id::quit, "Ctrl+Q"},
};

constexpr ItemRow kEdit[] = {
    {&M::undo, "mnuUndo", Id::undo, "Ctrl+Z"},
    {&M::redo, "mnuRedo", Id::redo, "Ctrl+Y"},
    kSeparator,
    {&M::cut, "mnuCut", Id::cut, "Ctrl+X"},
    {&M::copy, "mnuCopy", Id::copy, "Ctrl+C"},
    {&M::paste, "mnuPaste", Id::paste, "Ctrl+V"},
    {&M::deleteRows, "mnuDelete", Id::deleteRows, "Del"},
    kSeparator,
    {&M::moveUp, "mnuMoveUp", Id::moveUp, "Alt+Up"},
    {&M::moveDown, "mnuMoveDown", Id::moveDown, "Alt+Down"},
    {&M::insertRow, "mnuInsertRow", Id::insertRow, "Ctrl+Shift++"},
};

// Second keys, as spreadsheets and editors have them.
struct SecondKey {
    QAction* M::*item;
    const char* shortcut;
};
constexpr SecondKey kSecondKeys[] = {
    {&M::redo, "Ctrl+Shift+Z"},
    {&M::insertRow, "Ctrl++"},
};

constexpr ItemRow kProgramming[] = {
    {&M::readFrequency, "mnureadFre", Id::readFrequency, "Ctrl+R"},
    {&M::writeFrequency, "mnuwriteFre", Id::writeFrequency, "Ctrl+W"},
    {&M::compareRadio, "mnuCompareRadio", Id::compareRadio},
    kSeparator,
    {&M::backupFirst, "mnuBackupFirst", Id::backupFirst, nullptr, true},
    {&M::verifyAfter, "mnuVerifyAfter", Id::verifyAfter, nullptr, true},
    kSeparator,
    {&M::optionalFunctions, "mnudtmf", Id::optionalFunctions},
    {&M::keysSet, "Key_enactment", Id::keysSet},
    {&M::embeddedInformation, "mnusetin", Id::embeddedInformation},
    {&M::powerDebug, "mnudebug", Id::powerDebug},
    {&M::debugFrequencies, "mnutestfre", Id::debugFrequencies},
};

constexpr ItemRow kSettings[] = {{&M::lock, "mnulock", Id::lock, nullptr, true}};

constexpr ItemRow kLanguages[] = {
    {&M::chinese, "mnuChinese", Id::chinese, nullptr, true},
    {&M::english, "mnuEnglish", Id::english, nullptr, true},
};

// The help topic's caption carries "F1", but there is no help file to open.
constexpr ItemRow kHelp[] = {
    {&M::helpTopic, "mnumainhelp", Id::helpTopic, nullptr, false, false},
    {&M::about, "mnuabout", Id::about},
};

// The port menu's items are made below, one per port.
constexpr MenuRow kMenus[] = {
    {&M::file, "mnuFile", Id::file, kFile},
    {&M::edit, "mnuEdit", Id::edit, kEdit},
    {&M::programming, "mnupro", Id::programming, kProgramming},
    {&M::settings, "mnuset", Id::settings, kSettings},
    {&M::ports, "mnucom", Id::ports, {}},
    {&M::languages, "mnuLanguage", Id::languages, kLanguages},
    {&M::help, "mnuhelp", Id::help, kHelp},
};

QAction* AddItem(QMenu* menu, const ItemRow& row, Captions& captions) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(row.objectName));
    action->setCheckable(row.checkable);
    action->setEnabled(row.enabled);
    if (row.shortcut) {
        action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    }
    captions.add(action, row.caption);
    return action;
}

void AddPorts(MainMenus& menus, Captions& captions) {
    for (int n = 1; n <= MainMenus::kPorts; ++n) {
        QAction* item = menus.ports->addAction(QString());
        item->setObjectName(QStringLiteral("mnucom%1").arg(n));
        item->setCheckable(true);
        captions.add(item, UserText(Id::port, {UserText::Number(n)}));
        menus.port[n - 1] = item;
    }
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar* bar, Captions& captions) {
    MainMenus menus;
    for (const MenuRow& row : kMenus) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(row.objectName));
        captions.add(menu, row.caption);
        menus.*row.menu = menu;
        for (const ItemRow& item : row.items) {
            if (item.item) {
                menus.*item.item = AddItem(menu, item, captions);
            } else {
                menu->addSeparator();
            }
        }
    }
    AddPorts(menus, captions);
    for (const SecondKey& key : kSecondKeys) {
        QAction* item = menus.*key.item;
        item->setShortcuts({item->shortcut(), QKeySequence(QString::fromLatin1(key.shortcut))});
    }
    menus.recentFiles = new QMenu(menus.file);
    menus.recentFiles->setObjectName(QStringLiteral("mnuRecent"));
    captions.add(menus.recentFiles, Id::recentFiles);
    menus.file->insertMenu(menus.save, menus.recentFiles);
    return menus;
}

}  // namespace kvd::gui

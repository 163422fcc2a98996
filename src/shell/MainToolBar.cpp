#include "shell/MainToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "shell/MainMenus.h"
#include "texts/TextIds.h"
#include "widgets/Captions.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::toolbar;
using T = MainToolBar;

// Left to right; a row without a button is a separator. Every button has a name a screen
// reader says; the hidden one has no tooltip.
struct ButtonRow {
    QAction* T::*button = nullptr;
    const char* key = nullptr;
    const char* icon = nullptr;  // resource path of its picture
    TextId name;
    QAction* MainMenus::*menuItem = nullptr;  // the menu item it stands for, if any
    bool toolTip = true;
};

constexpr ButtonRow kButtons[] = {
    {&T::newFile, "new", ":/kvd270/icons/new.svg", Id::newFile, &MainMenus::newFile},
    {&T::open, "open", ":/kvd270/icons/open.svg", Id::open, &MainMenus::open},
    {&T::save, "save", ":/kvd270/icons/save.svg", Id::save, &MainMenus::save},
    {},
    {&T::read, "read", ":/kvd270/icons/read.svg", Id::read, &MainMenus::readFrequency},
    {&T::write, "write", ":/kvd270/icons/write.svg", Id::write, &MainMenus::writeFrequency},
    {&T::withdrawDebugAccess, "TAnMa", ":/kvd270/icons/tanma.svg", Id::withdrawDebugAccess, nullptr,
     false},
};

QAction* AddButton(QToolBar* bar, const ButtonRow& row, const MainMenus& menus,
                   Captions& captions) {
    const QString name = QStringLiteral("Toolbar1_") + QString::fromLatin1(row.key);
    auto* action = new QAction(QIcon(QString::fromLatin1(row.icon)), QString(), bar);
    action->setObjectName(name);
    bar->addAction(action);
    QWidget* button = bar->widgetForAction(action);
    button->setObjectName(name);
    captions.addAccessibleName(button, row.name);
    if (row.toolTip) {
        captions.addToolTip(action, row.name);
    }
    if (row.menuItem) {
        QObject::connect(action, &QAction::triggered, menus.*row.menuItem, &QAction::trigger);
    }
    return action;
}

}  // namespace

MainToolBar BuildMainToolBar(QMainWindow* window, const MainMenus& menus, Captions& captions) {
    MainToolBar toolBar;
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ButtonRow& row : kButtons) {
        if (row.button) {
            toolBar.*row.button = AddButton(bar, row, menus, captions);
        } else {
            bar->addSeparator();
        }
    }
    toolBar.withdrawDebugAccess->setVisible(false);
    window->addToolBar(Qt::TopToolBarArea, bar);
    toolBar.bar = bar;
    return toolBar;
}

}  // namespace kvd::gui

#include "shell/BarBuilders.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace kvd::gui {

namespace {

void AddItem(QMenu* menu, const MenuItemLayout& item) {
    if (!item.name) {
        menu->addSeparator();
        return;
    }
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(item.name));
    action->setCheckable(item.checkable);
    action->setEnabled(item.enabled);
    if (item.shortcut) {
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
    }
}

QAction* AddButton(QMainWindow* window, QToolBar* bar, const ToolButtonLayout& button) {
    const QString name = QString::fromLatin1(kToolButtonPrefix) + QString::fromLatin1(button.key);
    auto* action = new QAction(QIcon(QString::fromLatin1(button.icon)), QString(), bar);
    action->setObjectName(name);
    action->setProperty(kToolButtonKeyProperty, QString::fromLatin1(button.key));
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(name);
    action->setVisible(button.visible);
    if (button.menuItem) {
        QAction* item = window->findChild<QAction*>(QString::fromLatin1(button.menuItem));
        Q_ASSERT(item);
        QObject::connect(action, &QAction::triggered, item, &QAction::trigger);
    }
    return action;
}

}  // namespace

void BuildMenuBar(QMenuBar* bar, std::span<const MenuLayout> menus) {
    for (const MenuLayout& layout : menus) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(layout.name));
        for (const MenuItemLayout& item : layout.items) {
            AddItem(menu, item);
        }
    }
}

QToolBar* BuildToolBar(QMainWindow* window, std::span<const ToolButtonLayout> buttons) {
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButtonLayout& button : buttons) {
        if (button.key) {
            AddButton(window, bar, button);
        } else {
            bar->addSeparator();
        }
    }
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

}  // namespace kvd::gui

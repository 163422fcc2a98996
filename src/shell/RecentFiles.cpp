#include "shell/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

const QString kKey = QStringLiteral("recentFiles");

// A name as a menu shows it: its own "&" is no access key.
std::string MenuText(QString name) {
    return name.replace(QLatin1Char('&'), QStringLiteral("&&")).toStdString();
}

}  // namespace

RecentFiles::RecentFiles(QSettings& settings, QMenu* menu, QObject* parent)
    : QObject(parent), settings_(&settings), menu_(menu) {
    setObjectName(QStringLiteral("RecentFiles"));
    menu_->setToolTipsVisible(true);
    // A file may have gone or come back since the menu was last written.
    connect(menu_, &QMenu::aboutToShow, this, &RecentFiles::showInMenu);
    showInMenu();
}

QStringList RecentFiles::paths() const {
    return settings_ ? settings_->value(kKey).toStringList() : QStringList();
}

void RecentFiles::add(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(file);
    list.prepend(file);
    keep(list.mid(0, kCount));
}

void RecentFiles::clear() {
    keep({});
}

void RecentFiles::keep(const QStringList& list) {
    if (settings_) {
        settings_->setValue(kKey, list);
    }
    showInMenu();
}

void RecentFiles::showInMenu() {
    menu_->clear();
    const QStringList list = paths();
    if (list.isEmpty()) {
        menu_->addAction(Tr(TextIds::menu::noRecentFiles))->setEnabled(false);
    }
    for (int i = 0; i < list.size(); ++i) {
        const QString& path = list[i];
        QAction* item = menu_->addAction(Tr(UserText(
            TextIds::menu::recentFile,
            {UserText::Number(i + 1), UserText::Verbatim(MenuText(QFileInfo(path).fileName()))})));
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setEnabled(QFileInfo(path).isFile());
        // Queued, here and below: what follows writes the menu again, item included.
        connect(
            item, &QAction::triggered, this, [this, path] { emit chosen(path); },
            Qt::QueuedConnection);
    }
    menu_->addSeparator();
    QAction* clearList = menu_->addAction(Tr(TextIds::menu::clearRecent));
    clearList->setObjectName(QStringLiteral("mnuClearRecent"));
    clearList->setEnabled(!list.isEmpty());
    connect(clearList, &QAction::triggered, this, &RecentFiles::clear, Qt::QueuedConnection);
}

}  // namespace kvd::gui

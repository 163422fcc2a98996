#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QMenu;
class QSettings;

namespace kvd::gui {

// The channel files most recently opened or saved, newest first, kept in the program's
// settings file, and the File menu's list of them: numbered access keys, the path as
// tooltip, a file that is gone greyed, and "Clear list".
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 8;

    RecentFiles(QSettings& settings, QMenu* menu, QObject* parent);

    QStringList paths() const;
    // Puts the file first (once), keeping the newest kCount.
    void add(const QString& path);
    void clear();
    // Writes the menu again: after a change, before it opens, in a new language.
    void showInMenu();

signals:
    void chosen(const QString& path);

private:
    void keep(const QStringList& paths);

    QPointer<QSettings> settings_;
    QMenu* menu_;
};

}  // namespace kvd::gui

#pragma once

#include <cstddef>

#include <QObject>
#include <QString>

namespace kvd::gui {

class MainWindow;
class RecentFiles;

// New, Open and Save of channel files, from the File menu, the toolbar, the recent files,
// a drop and the command line. Whatever replaces the configuration asks first when it has
// unsaved changes.
class FileCommands : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(MainWindow& window);

    // Asks, then empties every channel; the panel, band and settings stay.
    void New();
    // Decodes a chosen channel file into the window; a file of another type or one that
    // cannot be read changes nothing.
    void Open();
    // Opens this file as Open does, without its dialog.
    void OpenFile(const QString& path);
    // Writes the window's state to a chosen file, replacing an existing one whole.
    void Save();

    RecentFiles& recentFiles() { return *recent_; }

private:
    void openPath(const QString& path);
    void reportShortFile(std::size_t length);
    bool saveWithDialog();
    bool saveTo(const QString& path);
    // The save question's Save: to the file the configuration is, or with the dialog.
    bool saveChanges();

    MainWindow& window_;
    RecentFiles* recent_;
};

void AttachFileCommands(MainWindow& window);

}  // namespace kvd::gui

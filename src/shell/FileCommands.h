#pragma once

#include <QObject>

namespace kvd::gui {

class MainWindow;

// New, Open, Save and Compare with file of channel files, from the File menu and the toolbar.
class FileCommands : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(MainWindow& window);

    // Asks, then empties every channel; the panel, band and settings stay.
    void New();
    // Decodes a chosen channel file into the window; a file of another type or one that
    // cannot be read changes nothing.
    void Open();
    // Writes the window's state to a chosen file, replacing an existing one whole.
    void Save();
    // Shows how a chosen channel file differs from the window.
    void CompareWithFile();

private:
    MainWindow& window_;
};

void AttachFileCommands(MainWindow& window);

}  // namespace kvd::gui

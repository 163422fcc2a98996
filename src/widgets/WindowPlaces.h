#pragma once

#include <QPointer>
#include <QSettings>

class QWidget;

namespace kvd::gui {

// Where the windows were and at what size, kept in the program's settings file by each
// window's objectName, so that every window reopens where the user last left it.
class WindowPlaces {
public:
    explicit WindowPlaces(QSettings* settings) : settings_(settings) {}

    // Puts the window where it was last kept, on a screen that shows it; nothing for a window
    // never kept.
    void restore(QWidget* window) const;
    // Notes where the window is now and its size.
    void keep(const QWidget* window) const;

private:
    QPointer<QSettings> settings_;  // gone once the program is closing
};

}  // namespace kvd::gui

#include "widgets/WindowPlaces.h"

#include <QWidget>

namespace kvd::gui {

namespace {

QString KeyOf(const QWidget* window) {
    return QStringLiteral("windows/") + window->objectName();
}

}  // namespace

void WindowPlaces::restore(QWidget* window) const {
    if (!settings_) {
        return;
    }
    const QByteArray place = settings_->value(KeyOf(window)).toByteArray();
    // Qt moves a window that would come back off every screen onto the nearest one.
    if (!place.isEmpty()) {
        window->restoreGeometry(place);
    }
}

void WindowPlaces::keep(const QWidget* window) const {
    if (settings_) {
        settings_->setValue(KeyOf(window), window->saveGeometry());
    }
}

}  // namespace kvd::gui

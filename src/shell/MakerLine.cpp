#include "shell/MakerLine.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "shell/ShellTexts.h"

namespace kvd::gui {

MakerLine::MakerLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Label2"));
    setCursor(Qt::PointingHandCursor);
    connect(this, &MakerLine::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(ShellTexts::kMakerUrl))); });
}

void MakerLine::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kvd::gui

#include "widgets/ClickableLabel.h"

#include <QMouseEvent>

namespace kvd::gui {

ClickableLabel::ClickableLabel(QWidget* parent, const char* objectName) : QLabel(parent) {
    setObjectName(QString::fromLatin1(objectName));
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kvd::gui

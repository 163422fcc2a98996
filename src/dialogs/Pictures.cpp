#include "dialogs/Pictures.h"

#include <cmath>

#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace kvd::gui::Pictures {

QPixmap Render(const char* resource, int height, const QWidget* onScreenOf) {
    QSvgRenderer drawing(QString::fromLatin1(resource));
    const QSizeF natural = drawing.defaultSize();
    if (!drawing.isValid() || natural.isEmpty()) {
        return {};
    }
    const qreal ratio = onScreenOf->devicePixelRatioF();
    const QSize logical(static_cast<int>(std::lround(height * natural.width() / natural.height())),
                        height);
    QPixmap picture(logical * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    return picture;
}

}  // namespace kvd::gui::Pictures

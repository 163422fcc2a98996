#pragma once

#include <QLabel>

namespace kvd::gui {

// A caption that answers a click of the left mouse button released over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(QWidget* parent, const char* objectName);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kvd::gui

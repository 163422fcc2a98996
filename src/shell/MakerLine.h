#pragma once

#include <QLabel>

namespace kvd::gui {

// The maker line `Label2` at the foot of the main window: a click opens the maker's page
// with the desktop's default handler. Failures to open it are not reported.
class MakerLine : public QLabel {
    Q_OBJECT
public:
    explicit MakerLine(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kvd::gui

#include "widgets/WheelGuard.h"

#include <QComboBox>
#include <QEvent>
#include <QSlider>

namespace kvd::gui {

namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) {
            return false;
        }
        event->ignore();  // unaccepted, the wheel goes on to the parent
        return true;
    }
};

template <class Control>
void Guard(QWidget* root, WheelGuard* guard) {
    for (Control* control : root->findChildren<Control*>()) {
        // The focus no longer comes by the wheel itself.
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(guard);
    }
}

}  // namespace

void IgnoreUnfocusedWheel(QWidget* root) {
    auto* guard = new WheelGuard(root);
    Guard<QComboBox>(root, guard);
    Guard<QSlider>(root, guard);
}

}  // namespace kvd::gui

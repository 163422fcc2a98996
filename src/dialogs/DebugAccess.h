#pragma once

#include <functional>

#include <QObject>

#include "settings/DebugAccessGesture.h"

class QAction;

namespace kvd::gui {

class DialogHost;
class PowerDebugDialog;

// Debug access on the window side: the hidden gesture's clicks and the hidden "TAnMa"
// toolbar button come in here with the time of a clock; the grant shows the button,
// enables the power sliders and sets the flag, the withdrawal undoes all three.
class DebugAccess : public QObject {
    Q_OBJECT
public:
    // Seconds on a clock that only moves forward; tests put in their own.
    using Clock = std::function<double()>;
    // `hiddenButton` is the toolbar's "TAnMa" button, hidden until access is granted.
    // The power-debug window, made if it does not exist yet.
    using PowerWindow = std::function<PowerDebugDialog*()>;

    DebugAccess(DialogHost& host, QAction* hiddenButton, PowerWindow powerWindow);

    void setClock(Clock clock) { clock_ = std::move(clock); }

    // A designated caption of the optional-function dialog was clicked (0..2).
    void captionClicked(int caption);

    void Grant();
    void Withdraw();

private:
    void hiddenButtonClicked();

    DialogHost& host_;
    PowerWindow powerWindow_;
    Clock clock_;
    DebugAccessGesture gesture_;
    QAction* hiddenButton_;
};

}  // namespace kvd::gui

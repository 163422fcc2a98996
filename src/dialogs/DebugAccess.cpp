#include "dialogs/DebugAccess.h"

#include <chrono>

#include <QAction>

#include "dialogs/PowerDebugDialog.h"
#include "image/RadioState.h"
#include "shell/MainWindow.h"

namespace kvd::gui {

namespace {

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

DebugAccess::DebugAccess(MainWindow& window, PowerWindow powerWindow)
    : QObject(&window),
      window_(window),
      powerWindow_(std::move(powerWindow)),
      clock_(SteadySeconds),
      hiddenButton_(window.toolButton("TAnMa")) {
    setObjectName(QStringLiteral("DebugAccess"));
    connect(hiddenButton_, &QAction::triggered, this, &DebugAccess::hiddenButtonClicked);
}

void DebugAccess::captionClicked(int caption) {
    if (gesture_.CaptionClicked(caption, clock_())) {
        Grant();
    }
}

void DebugAccess::hiddenButtonClicked() {
    if (gesture_.HiddenButtonClicked(clock_())) {
        Withdraw();
    }
}

void DebugAccess::Grant() {
    hiddenButton_->setVisible(true);
    powerWindow_()->setSlidersEnabled(true);
    window_.state().flags.DebugAccess = 1;
}

void DebugAccess::Withdraw() {
    gesture_.Reset();
    powerWindow_()->setSlidersEnabled(false);
    window_.state().flags.DebugAccess = 0;
    hiddenButton_->setVisible(false);
}

}  // namespace kvd::gui

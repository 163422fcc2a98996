#include "dialogs/DebugAccess.h"

#include <chrono>

#include <QAction>

#include "dialogs/PowerDebugDialog.h"
#include "image/RadioState.h"
#include "widgets/DialogHost.h"

namespace kvd::gui {

namespace {

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

DebugAccess::DebugAccess(DialogHost& host, QAction* hiddenButton, PowerWindow powerWindow)
    : QObject(host.hostWindow()),
      host_(host),
      powerWindow_(std::move(powerWindow)),
      clock_(SteadySeconds),
      hiddenButton_(hiddenButton) {
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
    host_.state().flags.DebugAccess = 1;
}

void DebugAccess::Withdraw() {
    gesture_.Reset();
    powerWindow_()->setSlidersEnabled(false);
    host_.state().flags.DebugAccess = 0;
    hiddenButton_->setVisible(false);
}

}  // namespace kvd::gui

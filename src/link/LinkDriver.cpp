#include "link/LinkDriver.h"

namespace kvd::link {

void LinkDriver::queue(Actions actions) {
    for (Action& a : actions) {
        queue_.push_back(std::move(a));
    }
}

void LinkDriver::run(Actions actions) {
    queue(std::move(actions));
    if (running_) {
        return;
    }
    running_ = true;
    while (!queue_.empty()) {
        Action next = std::move(queue_.front());
        queue_.pop_front();
        carryOut(next);
    }
    running_ = false;
}

void LinkDriver::carryOut(const Action& action) {
    switch (action.kind) {
        case Action::SendFrame:
            if (writeFrame(action.frame) == WriteResult::Failed) {
                queue(sequence_.PortWriteFailed());
            }
            break;
        case Action::ShowMessage:
            showMessage(action.text, action.style);
            break;
        case Action::AskBandQuestion: {
            bool proceed = showMessage(action.text, action.style) == MessageBoxStyle::kIdYes;
            queue(sequence_.AnswerBandQuestion(proceed));
            break;
        }
        case Action::KeepBackup:
            queue(sequence_.BackupKept(keepBackup(action.image, action.value)));
            break;
        case Action::ConfirmWrite:
            queue(sequence_.AnswerConfirmation(confirmWrite(action.comparison.get())));
            break;
        default:
            perform(action);
            break;
    }
}

}  // namespace kvd::link

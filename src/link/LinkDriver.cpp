#include "link/LinkDriver.h"

namespace kvd::link {

void LinkDriver::run(Actions actions) {
    for (Action& a : actions) {
        queue_.push_back(std::move(a));
    }
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
                for (Action& a : conversation_.PortWriteFailed()) {
                    queue_.push_back(std::move(a));
                }
            }
            break;
        case Action::ShowMessage:
            showMessage(action.text, action.style);
            break;
        case Action::AskBandQuestion: {
            bool proceed = showMessage(action.text, action.style) == MessageBoxStyle::kIdYes;
            for (Action& a : conversation_.AnswerBandQuestion(proceed)) {
                queue_.push_back(std::move(a));
            }
            break;
        }
        default:
            perform(action);
            break;
    }
}

}  // namespace kvd::link

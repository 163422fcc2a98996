#pragma once

#include <functional>
#include <utility>

#include <QList>

namespace kvd::gui {

// Test seam shared by the message box and the file dialogs: while a responder exists, the
// program builds what it would show as usual, hands a record of it to the responder instead
// of showing it, and takes the responder's reply. Responders nest; the newest answers.
template <typename Record, typename Reply>
class Responder {
public:
    using Answer = std::function<Reply(const Record&)>;

    explicit Responder(Answer answer) : answer_(std::move(answer)), previous_(current_) {
        current_ = this;
    }
    ~Responder() { current_ = previous_; }
    Responder(const Responder&) = delete;
    Responder& operator=(const Responder&) = delete;

    // Everything answered so far, oldest first.
    const QList<Record>& shown() const { return shown_; }

    // The responder to ask, if one is installed.
    static Responder* Current() { return current_; }
    Reply respond(const Record& record) {
        shown_.append(record);
        return answer_(record);
    }

private:
    Answer answer_;
    QList<Record> shown_;
    Responder* previous_;
    static inline Responder* current_ = nullptr;
};

}  // namespace kvd::gui

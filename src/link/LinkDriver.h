#pragma once

#include <cstdint>
#include <deque>
#include <span>

#include "link/Conversation.h"

namespace kvd::link {

// Carries a Conversation's actions out in order against a port, two timers and a message
// box supplied by a subclass (the Qt adapter, a test bench). Actions that arise while it
// runs (the answer to the band question, a frame that could not be written, bytes that come
// in while a modal message is open) queue behind the ones in hand.
class LinkDriver {
public:
    explicit LinkDriver(ProgramHooks hooks) : conversation_(std::move(hooks)) {}
    virtual ~LinkDriver() = default;
    LinkDriver(const LinkDriver&) = delete;
    LinkDriver& operator=(const LinkDriver&) = delete;

    // The Read and Write commands.
    void Start(Mode mode) { run(conversation_.Start(mode, portOpen())); }
    // Inputs from the port and the timers.
    void Receive(std::span<const std::uint8_t> bytes) { run(conversation_.Receive(bytes)); }
    void Break() { run(conversation_.Break()); }
    void ReplyTimerExpired() { run(conversation_.ReplyTimerExpired()); }
    void BlinkTick() { run(conversation_.BlinkTick()); }
    void Interrupt() { run(conversation_.Interrupt()); }

    const Conversation& conversation() const { return conversation_; }

protected:
    enum class WriteResult {
        Written,
        PortGone,  // no port open: nothing written, the reply time-out ends the conversation
        Failed,    // the write did not complete in time: the conversation fails at once
    };

    virtual bool portOpen() const = 0;
    // Writes the frame, each byte by its own write.
    virtual WriteResult writeFrame(std::span<const std::uint8_t> frame) = 0;
    // Shows a message and gives the button pressed (MessageBoxStyle::kIdYes, ...);
    // modal.
    virtual int showMessage(TextId text, int style) = 0;
    // Every other action: timers, status line, progress, lock, the completed read, the end.
    virtual void perform(const Action& action) = 0;

private:
    void run(Actions actions);
    void carryOut(const Action& action);

    Conversation conversation_;
    std::deque<Action> queue_;
    bool running_ = false;
};

}  // namespace kvd::link

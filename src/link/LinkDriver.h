#pragma once

#include <cstdint>
#include <deque>
#include <span>

#include "link/LinkSequence.h"

namespace kvd::link {

// Carries the actions of a command's conversations (LinkSequence) out in order against a
// port, two timers, a message box and the program's answers supplied by a subclass (the Qt
// adapter, a test bench). Actions that arise while it runs (the answers to the questions, a
// frame that could not be written, bytes that come in while a modal message is open) queue
// behind the ones in hand.
class LinkDriver {
public:
    explicit LinkDriver(ProgramHooks hooks) : sequence_(std::move(hooks)) {}
    virtual ~LinkDriver() = default;
    LinkDriver(const LinkDriver&) = delete;
    LinkDriver& operator=(const LinkDriver&) = delete;

    // The Read and Write commands, and a write with a backup before and a check after.
    void Start(Mode mode) { run(sequence_.Start(mode, portOpen())); }
    void StartWrite(WriteChecks checks) { run(sequence_.StartWrite(checks, portOpen())); }
    // Inputs from the port and the timers.
    void Receive(std::span<const std::uint8_t> bytes) { run(sequence_.Receive(bytes)); }
    void Break() { run(sequence_.Break()); }
    void ReplyTimerExpired() { run(sequence_.ReplyTimerExpired()); }
    void BlinkTick() { run(sequence_.BlinkTick()); }
    void Interrupt() { run(sequence_.Interrupt()); }

    const Conversation& conversation() const { return sequence_.conversation(); }
    const LinkSequence& sequence() const { return sequence_; }

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
    // Keeps the radio's memory read before a write (its 1024 bytes, the band its
    // identification gave); false when it could not be kept, and nothing is written then.
    virtual bool keepBackup(std::span<const std::uint8_t> image, int band) = 0;
    // Whether to write, the changes shown (none without a backup read); modal.
    virtual bool confirmWrite(const WriteComparison* changes) = 0;
    // Every other action: timers, status line, progress, lock, the completed read, the
    // steps and changes of a write with checks, the end.
    virtual void perform(const Action& action) = 0;

private:
    void run(Actions actions);
    void carryOut(const Action& action);

    void queue(Actions actions);

    LinkSequence sequence_;
    std::deque<Action> queue_;
    bool running_ = false;
};

}  // namespace kvd::link

#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/Action.h"
#include "link/ProgramHooks.h"
#include "link/Wire.h"
#include "texts/TextIds.h"

namespace kvd::link {

// How a conversation begins.
struct StartOptions {
    // "PROGRAM" goes out this many times in all, again after each kStartRetryMs without an
    // answer: a radio that restarts after a write hears nothing for a while.
    int startAttempts = 1;
    bool bandSettled = false;  // a write's band question was asked before it: not again
    TextId failure =
        TextIds::link::communicationError;  // the message when the radio stops answering

    // Waiting up to kRestartWaitMs for the radio to answer "PROGRAM".
    static StartOptions Patient();
};

// The read and write conversations with the radio, the reply time-out, the progress
// indicator, the blinking status line and the communication lock, as a state machine. Each
// input returns the actions the program must carry out, in order. Nothing here touches a
// port or a clock: the caller sends the frames and runs the two timers.
class Conversation {
public:
    static constexpr int kReplyTimeoutMs = 3000;
    static constexpr int kBlinkIntervalMs = 200;
    static constexpr int kProgressMaximum = 460;
    static constexpr int kFinishTicks = 6;
    static constexpr int kRestartWaitMs = 5000;
    static constexpr int kStartRetryMs = 500;

    explicit Conversation(ProgramHooks hooks);

    // The Read or Write command. Refused (no actions) while the lock is engaged.
    Actions Start(Mode mode, bool portOpen, StartOptions options = {});
    // The next conversation of a sequence, under the lock that is still engaged: right after
    // the one before ended normally ("E" sent), or while it is held. Refused otherwise.
    Actions Continue(Mode mode, StartOptions options);
    // Keeps the lock after a normal end instead of letting it go six ticks later: the blink
    // timer stops, the status line stays. For questions between the conversations of a
    // sequence; EndHold lets the end run its course, Continue starts the next one.
    Actions Hold();
    Actions EndHold();
    // Bytes the port delivered, in order of arrival.
    Actions Receive(std::span<const std::uint8_t> bytes);
    // A break condition on the line: the next received byte is dropped.
    Actions Break();
    Actions ReplyTimerExpired();
    Actions BlinkTick();
    Actions AnswerBandQuestion(bool proceed);
    // A frame could not be written: the conversation ends as failed at once.
    Actions PortWriteFailed();
    // The user stops the program (Ctrl+C): the conversation ends at once with "E", so the
    // radio leaves programming mode, and without a message. Comes between frames.
    Actions Interrupt();

    bool locked() const { return locked_; }
    bool replyTimerRunning() const { return replyRunning_; }
    bool blinkTimerRunning() const { return blinkRunning_; }
    bool awaitingBandAnswer() const { return phase_ == Phase::BandQuestion; }
    bool finished() const { return phase_ == Phase::Finishing; }
    bool idle() const { return phase_ == Phase::Idle; }
    bool held() const { return phase_ == Phase::Held; }
    int radioBand() const { return radioBand_; }
    int progress() const { return progress_; }
    bool progressVisible() const { return progressVisible_; }
    bool statusVisible() const { return statusVisible_; }

private:
    enum class Phase {
        Idle,
        AwaitStartAck,        // "PROGRAM" sent
        AwaitIdentification,  // 02 sent
        WriteAwaitAck,        // a write block (or the 06 after the identification) sent
        BandQuestion,         // waiting for the program's answer
        ReadAwaitReady,       // 06 sent after the identification or a block
        ReadAwaitBlock,       // read request sent
        Finishing,            // "E" sent after a normal end; the blink timer counts down
        Held,                 // "E" sent after a normal end; the lock kept for what follows
    };

    void begin(Mode mode, const StartOptions& options);
    bool IsAck() const;
    void dispatch();
    void acceptIdentification();
    void writeAcknowledged();
    void continueWrite();
    void readReady();
    void acceptReadAnswer();
    void fail(Outcome outcome);
    void abandon(Outcome outcome);
    void finish(Outcome outcome);

    void sendFrame(std::vector<std::uint8_t> frame);
    void push(Action::Kind kind);
    void startReplyTimer(int ms);
    void stopReplyTimer();
    void stopBlinkTimer();
    void setStatusText(TextId text);
    void setStatusVisible(bool visible);
    void showProgress();
    void advanceProgress(int step);
    void hideProgress();
    void release();
    void message(Action::Kind kind, TextId text, int style);
    void ended(Outcome outcome);

    ProgramHooks hooks_;
    Actions out_;

    Phase phase_ = Phase::Idle;
    Mode mode_ = Mode::Read;
    std::vector<std::uint8_t> received_;  // the reply so far
    std::uint16_t blockAddress_ = Wire::kFirstAddress;
    int radioBand_ = 0;
    bool dropFirstByte_ = false;
    bool bandAsked_ = false;
    int startAttemptsLeft_ = 0;  // "PROGRAM" frames still to send while the radio is silent
    bool startRetried_ = false;  // "PROGRAM" may go out again: each waits kStartRetryMs
    TextId failure_ = TextIds::link::communicationError;
    std::vector<std::uint8_t> writeImage_;
    std::vector<std::uint8_t> readImage_;
    int finishTicks_ = 0;

    bool locked_ = false;
    bool replyRunning_ = false;
    bool blinkRunning_ = false;
    bool statusVisible_ = false;
    bool progressVisible_ = false;
    int progress_ = 0;
};

}  // namespace kvd::link

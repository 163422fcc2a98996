#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/Conversation.h"
#include "link/WriteCheck.h"

namespace kvd::link {

// What a write does besides writing.
struct WriteChecks {
    bool backup = true;  // read the radio first; the program keeps the read, or nothing is written
    bool confirm = false;  // ask before writing, once the changes are known
    bool verify = true;    // read the radio back after the write and compare the written blocks
};

// The conversations of one command under one lock. A read and a plain write are one
// Conversation each. A write with checks is up to three: the backup read (its image goes to
// the program to keep; the band question is asked from the band it found; the changes the
// write will make are shown and, if wanted, confirmed), the write of exactly the image that
// was shown, and the check read, which compares the blocks written with what the radio holds
// now. The next conversation starts right after the "E" of the one before, its "PROGRAM"
// sent again while the radio restarts (up to 5 s). Inputs and actions are the Conversation's
// with a few of its own; the program answers KeepBackup, AskBandQuestion and ConfirmWrite.
class LinkSequence {
public:
    explicit LinkSequence(ProgramHooks hooks);
    LinkSequence(const LinkSequence&) = delete;
    LinkSequence& operator=(const LinkSequence&) = delete;

    // The Read and Write commands.
    Actions Start(Mode mode, bool portOpen);
    Actions StartWrite(WriteChecks checks, bool portOpen);

    Actions Receive(std::span<const std::uint8_t> bytes);
    Actions Break();
    Actions ReplyTimerExpired();
    Actions BlinkTick();
    Actions AnswerBandQuestion(bool proceed);
    Actions PortWriteFailed();
    Actions Interrupt();
    // Whether the program kept the backup read (KeepBackup).
    Actions BackupKept(bool kept);
    // The answer to ConfirmWrite.
    Actions AnswerConfirmation(bool write);

    const Conversation& conversation() const { return conversation_; }
    // The conversation running, or the last one.
    Step step() const { return step_; }

private:
    enum class Waiting { Nothing, BackupKept, BandAnswer, Confirmation };

    Actions finish();
    void take(Actions actions);
    void takeEnd(Outcome outcome);
    void takeReadImage(Action& read);
    void afterBackup();
    void planWrite();
    void write();
    void end(Outcome outcome, TextId status);
    void endSequence(Outcome outcome);
    void push(Action action) { out_.push_back(std::move(action)); }
    void stepStarted(Step step);
    MemoryImage encode();

    ProgramHooks hooks_;
    Conversation conversation_;
    Actions out_;

    bool checked_ = false;  // a write with checks runs
    WriteChecks checks_;
    Step step_ = Step::Read;
    Waiting waiting_ = Waiting::Nothing;
    bool portOpen_ = false;
    bool bandSettled_ = false;
    std::vector<std::uint8_t> backup_;  // what the radio held before the write
    int radioBand_ = 0;
    bool planned_ = false;  // the image to write was fixed when its changes were shown
    MemoryImage plan_{};
    ImageWrite written_;  // the blocks as they went out
    std::shared_ptr<const WriteComparison> check_;
};

}  // namespace kvd::link

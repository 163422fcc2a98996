#include "link/Conversation.h"
#include "texts/TextIds.h"

#include <algorithm>

namespace kvd::link {

namespace Id = TextIds::link;

namespace {
constexpr int kWriteStep = 10;
constexpr int kReadStep = 25;
}  // namespace

StartOptions StartOptions::Patient() {
    StartOptions options;
    options.startAttempts = Conversation::kRestartWaitMs / Conversation::kStartRetryMs;
    return options;
}

Conversation::Conversation(ProgramHooks hooks) : hooks_(std::move(hooks)) {}

Actions Conversation::Start(Mode mode, bool portOpen, StartOptions options) {
    out_.clear();
    if (locked_) {
        return {};
    }
    if (!portOpen) {
        message(Action::ShowMessage, Id::portNotOpen, MessageBoxStyle::kInformation);
        ended(Outcome::PortNotOpen);
        return std::move(out_);
    }
    if (mode == Mode::Read) {
        push(Action::SuppressBandPrompt);
    }
    locked_ = true;
    Action lock = Action::Of(Action::Lock);
    lock.mode = mode;
    out_.push_back(lock);
    push(Action::CommitEdits);
    begin(mode, options);
    return std::move(out_);
}

Actions Conversation::Continue(Mode mode, StartOptions options) {
    out_.clear();
    if (phase_ != Phase::Finishing && phase_ != Phase::Held) {
        return {};
    }
    begin(mode, options);
    return std::move(out_);
}

void Conversation::begin(Mode mode, const StartOptions& options) {
    received_.clear();
    mode_ = mode;
    bandAsked_ = options.bandSettled;
    failure_ = options.failure;
    startAttemptsLeft_ = std::max(1, options.startAttempts);
    startRetried_ = startAttemptsLeft_ > 1;
    finishTicks_ = 0;
    phase_ = Phase::AwaitStartAck;
    sendFrame(Wire::StartFrame(mode));
    setStatusText(Id::communicating);
    if (!blinkRunning_) {
        blinkRunning_ = true;
        push(Action::StartBlinkTimer);
    }
}

Actions Conversation::Hold() {
    out_.clear();
    if (phase_ != Phase::Finishing) {
        return {};
    }
    phase_ = Phase::Held;
    stopBlinkTimer();
    setStatusVisible(true);
    return std::move(out_);
}

Actions Conversation::EndHold() {
    out_.clear();
    if (phase_ != Phase::Held) {
        return {};
    }
    phase_ = Phase::Finishing;
    finishTicks_ = 0;
    blinkRunning_ = true;
    push(Action::StartBlinkTimer);
    return std::move(out_);
}

Actions Conversation::Receive(std::span<const std::uint8_t> bytes) {
    out_.clear();
    if (bytes.empty()) {
        return {};
    }
    // The byte a break garbled is the first one after it, not an older one still waiting.
    if (dropFirstByte_) {
        dropFirstByte_ = false;
        bytes = bytes.subspan(1);
    }
    received_.insert(received_.end(), bytes.begin(), bytes.end());
    if (!replyRunning_) {
        received_.clear();
        return {};
    }
    dispatch();
    return std::move(out_);
}

Actions Conversation::Break() {
    dropFirstByte_ = true;
    return {};
}

Actions Conversation::ReplyTimerExpired() {
    out_.clear();
    if (!replyRunning_) {
        return {};  // a tick that was already on its way when the timer stopped
    }
    if (phase_ == Phase::AwaitStartAck && --startAttemptsLeft_ > 0) {
        received_.clear();
        sendFrame(Wire::StartFrame(mode_));
        return std::move(out_);
    }
    fail(Outcome::TimedOut);
    return std::move(out_);
}

Actions Conversation::PortWriteFailed() {
    out_.clear();
    if (phase_ == Phase::Idle || phase_ == Phase::Finishing || phase_ == Phase::Held) {
        return {};  // the final "E" of an ended conversation
    }
    fail(Outcome::WriteFailed);
    return std::move(out_);
}

Actions Conversation::Interrupt() {
    out_.clear();
    if (phase_ == Phase::Idle || phase_ == Phase::Finishing) {
        return {};  // nothing to stop, or "E" already sent
    }
    if (phase_ == Phase::Held) {
        // "E" went out already: only the lock and the status line are left to clear.
        phase_ = Phase::Idle;
        setStatusVisible(false);
        release();
        return std::move(out_);
    }
    abandon(Outcome::Interrupted);
    return std::move(out_);
}

Actions Conversation::BlinkTick() {
    out_.clear();
    if (!blinkRunning_) {
        return {};
    }
    setStatusVisible(!statusVisible_);
    if (phase_ == Phase::Finishing && ++finishTicks_ == kFinishTicks) {
        finishTicks_ = 0;
        phase_ = Phase::Idle;
        setStatusVisible(false);
        stopBlinkTimer();
        release();
    }
    return std::move(out_);
}

Actions Conversation::AnswerBandQuestion(bool proceed) {
    out_.clear();
    if (phase_ != Phase::BandQuestion) {
        return {};
    }
    if (proceed) {
        continueWrite();
    } else {
        hideProgress();
        setStatusText(Id::bandMismatch);
        finish(Outcome::BandDeclined);
    }
    return std::move(out_);
}

bool Conversation::IsAck() const {
    return received_.size() == 1 && received_[0] == Wire::kAck;
}

void Conversation::dispatch() {
    switch (phase_) {
        case Phase::AwaitStartAck:
            if (IsAck()) {
                stopReplyTimer();
                received_.clear();
                phase_ = Phase::AwaitIdentification;
                sendFrame({Wire::kIdentify});
            }
            break;
        case Phase::AwaitIdentification:
            if (Wire::IsIdentification(received_)) {
                acceptIdentification();
            }
            break;
        case Phase::WriteAwaitAck:
            if (IsAck()) {
                writeAcknowledged();
            }
            break;
        case Phase::ReadAwaitReady:
            if (IsAck()) {
                readReady();
            }
            break;
        case Phase::ReadAwaitBlock:
            if (Wire::IsReadAnswer(received_,
                                   static_cast<std::uint16_t>(blockAddress_ - Wire::kReadLength))) {
                acceptReadAnswer();
            }
            break;
        case Phase::Idle:
        case Phase::BandQuestion:
        case Phase::Finishing:
        case Phase::Held:
            received_.clear();  // the reply timer is stopped in these phases
            break;
    }
}

void Conversation::acceptIdentification() {
    stopReplyTimer();
    sendFrame({Wire::kAck});
    if (auto band = Wire::BandOfIdentification(received_)) {
        radioBand_ = *band;
    }
    received_.clear();
    blockAddress_ = Wire::kFirstAddress;
    writeImage_.clear();
    if (hooks_.encodeImage) {
        const MemoryImage image = hooks_.encodeImage();
        writeImage_.assign(image.begin(), image.end());
    }
    readImage_.clear();
    showProgress();
    phase_ = mode_ == Mode::Write ? Phase::WriteAwaitAck : Phase::ReadAwaitReady;
}

void Conversation::writeAcknowledged() {
    advanceProgress(kWriteStep);
    stopReplyTimer();
    received_.clear();
    int selected = hooks_.selectedBand ? hooks_.selectedBand() : radioBand_;
    if (!bandAsked_ && radioBand_ != selected) {
        radioBand_ = selected;
        bandAsked_ = true;
        phase_ = Phase::BandQuestion;
        message(Action::AskBandQuestion, Id::bandMismatch,
                MessageBoxStyle::kInformation | MessageBoxStyle::kYesNo);
        return;
    }
    continueWrite();
}

void Conversation::continueWrite() {
    if (blockAddress_ == Wire::kWriteEnd) {
        setStatusText(Id::writeSuccess);
        hideProgress();
        finish(Outcome::WriteDone);
        return;
    }
    bool debug = hooks_.debugAccess && hooks_.debugAccess();
    blockAddress_ = Wire::SkipUnwritten(blockAddress_, debug);
    const std::size_t offset = blockAddress_ - Wire::kFirstAddress;
    const std::span<const std::uint8_t> image(writeImage_);
    const std::span<const std::uint8_t> block =
        offset < image.size() ? image.subspan(offset, std::min<std::size_t>(Wire::kWriteLength,
                                                                            image.size() - offset))
                              : std::span<const std::uint8_t>();
    phase_ = Phase::WriteAwaitAck;
    sendFrame(Wire::WriteBlock(blockAddress_, block));
    blockAddress_ += Wire::kWriteLength;
}

void Conversation::readReady() {
    advanceProgress(kReadStep);
    stopReplyTimer();
    received_.clear();
    if (blockAddress_ == Wire::kReadEnd) {
        Action read = Action::Of(Action::ReadComplete);
        read.image = std::move(readImage_);
        read.value = radioBand_;
        readImage_.clear();
        out_.push_back(std::move(read));
        setStatusText(Id::readSuccess);
        hideProgress();
        finish(Outcome::ReadDone);
        return;
    }
    phase_ = Phase::ReadAwaitBlock;
    sendFrame(Wire::ReadRequest(blockAddress_));
    blockAddress_ += Wire::kReadLength;
}

void Conversation::acceptReadAnswer() {
    stopReplyTimer();
    readImage_.insert(readImage_.end(), received_.begin() + 4, received_.end());
    received_.clear();
    phase_ = Phase::ReadAwaitReady;
    sendFrame({Wire::kAck});
}

void Conversation::fail(Outcome outcome) {
    received_.clear();
    stopReplyTimer();
    setStatusVisible(false);
    stopBlinkTimer();
    message(Action::ShowMessage, failure_, MessageBoxStyle::kCritical);
    release();
    hideProgress();
    phase_ = Phase::Idle;
    sendFrame({Wire::kEnd});
    ended(outcome);
}

void Conversation::abandon(Outcome outcome) {
    received_.clear();
    stopReplyTimer();
    setStatusVisible(false);
    stopBlinkTimer();
    release();
    hideProgress();
    phase_ = Phase::Idle;
    sendFrame({Wire::kEnd});
    ended(outcome);
}

void Conversation::finish(Outcome outcome) {
    phase_ = Phase::Finishing;
    finishTicks_ = 0;
    sendFrame({Wire::kEnd});
    ended(outcome);
}

void Conversation::sendFrame(std::vector<std::uint8_t> frame) {
    bool isEnd = frame.size() == 1 && frame[0] == Wire::kEnd;
    Action send = Action::Of(Action::SendFrame);
    send.frame = std::move(frame);
    out_.push_back(std::move(send));
    if (isEnd) {
        stopReplyTimer();
    } else {
        // A start frame that goes out again waits for its answer only so long.
        startReplyTimer(phase_ == Phase::AwaitStartAck && startRetried_ ? kStartRetryMs
                                                                        : kReplyTimeoutMs);
    }
}

void Conversation::push(Action::Kind kind) {
    out_.push_back(Action::Of(kind));
}

void Conversation::startReplyTimer(int ms) {
    replyRunning_ = true;
    Action a = Action::Of(Action::StartReplyTimer);
    a.value = ms;
    out_.push_back(a);
}

void Conversation::stopReplyTimer() {
    if (replyRunning_) {
        replyRunning_ = false;
        push(Action::StopReplyTimer);
    }
}

void Conversation::stopBlinkTimer() {
    if (blinkRunning_) {
        blinkRunning_ = false;
        push(Action::StopBlinkTimer);
    }
}

void Conversation::setStatusText(TextId text) {
    Action a = Action::Of(Action::SetStatusText);
    a.text = text;
    out_.push_back(a);
}

void Conversation::setStatusVisible(bool visible) {
    statusVisible_ = visible;
    Action a = Action::Of(Action::SetStatusVisible);
    a.flag = visible;
    out_.push_back(a);
}

void Conversation::showProgress() {
    progress_ = 0;
    progressVisible_ = true;
    push(Action::ShowProgress);
}

void Conversation::advanceProgress(int step) {
    if (progress_ >= kProgressMaximum) {
        return;
    }
    progress_ += step;
    Action a = Action::Of(Action::SetProgress);
    a.value = progress_;
    out_.push_back(a);
}

void Conversation::hideProgress() {
    progressVisible_ = false;
    push(Action::HideProgress);
}

void Conversation::release() {
    locked_ = false;
    push(Action::Release);
}

void Conversation::message(Action::Kind kind, TextId text, int style) {
    Action a = Action::Of(kind);
    a.text = text;
    a.style = style;
    out_.push_back(a);
}

void Conversation::ended(Outcome outcome) {
    Action a = Action::Of(Action::Ended);
    a.outcome = outcome;
    out_.push_back(a);
}

}  // namespace kvd::link

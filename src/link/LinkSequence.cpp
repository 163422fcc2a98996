#include "link/LinkSequence.h"
#include "texts/TextIds.h"

namespace kvd::link {

namespace Id = TextIds::link;

namespace {

ProgramHooks Encoding(ProgramHooks hooks, std::function<MemoryImage()> encode) {
    hooks.encodeImage = std::move(encode);
    return hooks;
}

}  // namespace

LinkSequence::LinkSequence(ProgramHooks hooks)
    : hooks_(std::move(hooks)), conversation_(Encoding(hooks_, [this] { return encode(); })) {}

MemoryImage LinkSequence::encode() {
    if (planned_) {
        return plan_;
    }
    if (hooks_.encodeImage) {
        return hooks_.encodeImage();
    }
    MemoryImage erased;
    erased.fill(0xFF);
    return erased;
}

Actions LinkSequence::finish() {
    return std::move(out_);
}

Actions LinkSequence::Start(Mode mode, bool portOpen) {
    out_.clear();
    if (conversation_.locked() || waiting_ != Waiting::Nothing) {
        return {};
    }
    checked_ = false;
    planned_ = false;
    step_ = mode == Mode::Read ? Step::Read : Step::Write;
    take(conversation_.Start(mode, portOpen));
    return finish();
}

Actions LinkSequence::StartWrite(WriteChecks checks, bool portOpen) {
    out_.clear();
    if (conversation_.locked() || waiting_ != Waiting::Nothing) {
        return {};
    }
    checked_ = true;
    checks_ = checks;
    portOpen_ = portOpen;
    planned_ = false;
    bandSettled_ = false;
    check_.reset();
    if (!checks.backup) {
        if (checks.confirm && portOpen) {
            waiting_ = Waiting::Confirmation;  // with nothing to compare against
            Action ask = Action::Of(Action::ConfirmWrite);
            ask.text = Id::confirmWrite;
            push(std::move(ask));
        } else {
            write();
        }
        return finish();
    }
    step_ = Step::Backup;
    take(conversation_.Start(Mode::Read, portOpen));
    if (conversation_.locked()) {
        stepStarted(Step::Backup);
    }
    return finish();
}

Actions LinkSequence::Receive(std::span<const std::uint8_t> bytes) {
    out_.clear();
    take(conversation_.Receive(bytes));
    return finish();
}

Actions LinkSequence::Break() {
    out_.clear();
    take(conversation_.Break());
    return finish();
}

Actions LinkSequence::ReplyTimerExpired() {
    out_.clear();
    take(conversation_.ReplyTimerExpired());
    return finish();
}

Actions LinkSequence::BlinkTick() {
    out_.clear();
    take(conversation_.BlinkTick());
    return finish();
}

Actions LinkSequence::PortWriteFailed() {
    out_.clear();
    take(conversation_.PortWriteFailed());
    return finish();
}

Actions LinkSequence::AnswerBandQuestion(bool proceed) {
    out_.clear();
    if (waiting_ != Waiting::BandAnswer) {
        take(conversation_.AnswerBandQuestion(proceed));
        return finish();
    }
    waiting_ = Waiting::Nothing;
    if (!proceed) {
        end(Outcome::BandDeclined, Id::bandMismatch);
        return finish();
    }
    bandSettled_ = true;
    planWrite();
    return finish();
}

Actions LinkSequence::Interrupt() {
    out_.clear();
    if (waiting_ == Waiting::Nothing) {
        take(conversation_.Interrupt());
        return finish();
    }
    // Between the conversations: the radio has its "E" already.
    waiting_ = Waiting::Nothing;
    take(conversation_.Interrupt());
    endSequence(Outcome::Interrupted);
    return finish();
}

Actions LinkSequence::BackupKept(bool kept) {
    out_.clear();
    if (waiting_ != Waiting::BackupKept) {
        return {};
    }
    waiting_ = Waiting::Nothing;
    if (!kept) {
        end(Outcome::BackupFailed, Id::backupNotKept);
        return finish();
    }
    // The band question of the write, from the band the backup read found.
    const int selected = hooks_.selectedBand ? hooks_.selectedBand() : radioBand_;
    if (selected != radioBand_) {
        waiting_ = Waiting::BandAnswer;
        Action ask = Action::Of(Action::AskBandQuestion);
        ask.text = Id::bandMismatch;
        ask.style = MessageBoxStyle::kInformation | MessageBoxStyle::kYesNo;
        push(std::move(ask));
        return finish();
    }
    bandSettled_ = true;
    planWrite();
    return finish();
}

Actions LinkSequence::AnswerConfirmation(bool writeIt) {
    out_.clear();
    if (waiting_ != Waiting::Confirmation) {
        return {};
    }
    waiting_ = Waiting::Nothing;
    if (!writeIt) {
        end(Outcome::WriteCancelled, Id::writeCancelled);
        return finish();
    }
    write();
    return finish();
}

// The image to write is fixed now, so the write sends exactly the changes shown; then the
// confirmation, if wanted, or the write.
void LinkSequence::planWrite() {
    plan_ = encode();
    planned_ = true;
    const bool debug = hooks_.debugAccess && hooks_.debugAccess();
    Action changes = Action::Of(Action::WriteChanges);
    changes.comparison =
        std::make_shared<WriteComparison>(CompareWrite(ImageWrite::Of(plan_, debug), backup_));
    const std::shared_ptr<const WriteComparison> shown = changes.comparison;
    push(std::move(changes));
    if (!checks_.confirm) {
        write();
        return;
    }
    waiting_ = Waiting::Confirmation;
    Action ask = Action::Of(Action::ConfirmWrite);
    ask.text = Id::confirmWrite;
    ask.comparison = shown;
    push(std::move(ask));
}

void LinkSequence::write() {
    step_ = Step::Write;
    written_ = ImageWrite();
    StartOptions options = StartOptions::Patient();
    options.bandSettled = bandSettled_;
    if (conversation_.held()) {
        take(conversation_.Continue(Mode::Write, options));
    } else {
        take(conversation_.Start(Mode::Write, portOpen_));
    }
    if (conversation_.locked()) {
        stepStarted(Step::Write);
    }
}

void LinkSequence::stepStarted(Step step) {
    Action started = Action::Of(Action::StepStarted);
    started.step = step;
    push(std::move(started));
}

// A normal end of the backup read whose write does not follow: the status line says why
// while the lock runs out as after any normal end.
void LinkSequence::end(Outcome outcome, TextId status) {
    Action text = Action::Of(Action::SetStatusText);
    text.text = status;
    push(std::move(text));
    take(conversation_.EndHold());
    endSequence(outcome);
}

void LinkSequence::endSequence(Outcome outcome) {
    Action ended = Action::Of(Action::Ended);
    ended.outcome = outcome;
    push(std::move(ended));
}

void LinkSequence::take(Actions actions) {
    for (Action& a : actions) {
        switch (a.kind) {
            case Action::SuppressBandPrompt:
                if (step_ != Step::Backup) {  // a backup read leaves the program's state alone
                    push(std::move(a));
                }
                break;
            case Action::Lock:
                a.mode = checked_ ? Mode::Write : a.mode;
                push(std::move(a));
                break;
            case Action::SendFrame:
                if (step_ == Step::Write && a.frame.size() == Wire::kWriteBlockSize &&
                    a.frame[0] == Wire::kBlock) {
                    const auto address = static_cast<std::uint16_t>(a.frame[1] << 8 | a.frame[2]);
                    written_.add(address, std::span(a.frame).subspan(4));
                }
                push(std::move(a));
                break;
            case Action::SetStatusText:
                if (checked_ && a.text == Id::communicating) {
                    a.text = step_ == Step::Backup  ? Id::backupReading
                             : step_ == Step::Check ? Id::checkReading
                                                    : a.text;
                } else if (checked_ && step_ == Step::Check && a.text == Id::readSuccess) {
                    a.text = check_ && check_->equal() ? Id::writeVerified : Id::writeDiffers;
                }
                push(std::move(a));
                break;
            case Action::ReadComplete:
                takeReadImage(a);
                break;
            case Action::Ended:
                takeEnd(a.outcome);
                break;
            default:
                push(std::move(a));
                break;
        }
    }
}

void LinkSequence::takeReadImage(Action& read) {
    if (!checked_) {
        push(std::move(read));
    } else if (step_ == Step::Backup) {
        backup_ = std::move(read.image);
        radioBand_ = read.value;
    } else if (step_ == Step::Check) {
        Action checked = Action::Of(Action::WriteChecked);
        check_ = std::make_shared<WriteComparison>(CompareWrite(written_, read.image));
        checked.comparison = check_;
        push(std::move(checked));
    }
}

void LinkSequence::takeEnd(Outcome outcome) {
    if (!checked_) {
        endSequence(outcome);
        return;
    }
    const bool failed = outcome == Outcome::TimedOut || outcome == Outcome::WriteFailed;
    switch (step_) {
        case Step::Backup:
            if (outcome == Outcome::ReadDone) {
                afterBackup();
            } else {
                endSequence(failed ? Outcome::BackupFailed : outcome);
            }
            break;
        case Step::Write:
            if (outcome == Outcome::WriteDone && checks_.verify) {
                step_ = Step::Check;
                StartOptions options = StartOptions::Patient();
                options.failure = Id::writeUnverified;
                take(conversation_.Continue(Mode::Read, options));
                stepStarted(Step::Check);
            } else {
                endSequence(outcome);
            }
            break;
        case Step::Check:
            endSequence(
                outcome == Outcome::ReadDone
                    ? (check_ && check_->equal() ? Outcome::WriteVerified : Outcome::WriteDiffers)
                : failed ? Outcome::WriteUnverified
                         : outcome);
            break;
        case Step::Read:
            endSequence(outcome);
            break;
    }
}

// The radio was read: the lock is held while the program keeps the backup and answers.
void LinkSequence::afterBackup() {
    take(conversation_.Hold());
    waiting_ = Waiting::BackupKept;
    Action keep = Action::Of(Action::KeepBackup);
    keep.image = backup_;
    keep.value = radioBand_;
    push(std::move(keep));
}

}  // namespace kvd::link

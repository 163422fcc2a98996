#include "ConversationScript.h"

#include <algorithm>

#include "channels/BandTable.h"
#include "image/HexText.h"
#include "image/ImageCodec.h"
#include "link/Wire.h"

namespace kvd::test {

using link::Action;
using link::Mode;
using link::Outcome;

namespace {
constexpr std::size_t kMaxStray = 80;
constexpr int kMaxSteps = 20000;
}  // namespace

ConversationScript::ConversationScript(std::span<const std::uint8_t> decisions)
    : decisions_(decisions),
      conversation_({[this] { return selectedBand_; }, [this] { return debug_; },
                     [this] { return EncodeImage(program_); }}) {
    program_.flags.Language = kEnglish;
    ApplyStartupDefaults(program_);
}

std::uint8_t ConversationScript::next() {
    return position_ < decisions_.size() ? decisions_[position_++] : 0;
}

std::vector<std::string> ConversationScript::Run() {
    for (int steps = 0; position_ < decisions_.size() && steps < kMaxSteps && violations_.empty();
         ++steps) {
        step();
    }
    finish();
    return violations_;
}

void ConversationScript::step() {
    switch (next() % 12) {
        case 0: {  // a Read or Write command, against a radio set up by the next bytes
            std::uint8_t how = next();
            sim::Faults faults;
            std::uint8_t fault = next();
            if (fault % 4 == 0) {
                faults.stopAfterBlocks = fault / 4 % 20;
                faults.garbageAck = next() % 60;
                faults.extraByteReply = next() % 60;
                faults.wrongAddressBlock = next() % 20;
            }
            std::uint8_t code = BandTable::At(next() % BandTable::kCount).code;
            radio_.emplace(EncodeImageBytes(program_), how & 4 ? std::uint8_t{0x22} : code, faults);
            pending_.clear();
            apply(conversation_.Start(how & 1 ? Mode::Write : Mode::Read, (how & 2) == 0));
            break;
        }
        case 1:
        case 2:
        case 3: {  // some of the radio's reply arrives
            std::size_t count = std::min<std::size_t>(pending_.size(), 1 + next() % 70);
            std::vector<std::uint8_t> bytes(pending_.begin(),
                                            pending_.begin() + static_cast<std::ptrdiff_t>(count));
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(count));
            apply(conversation_.Receive(bytes));
            break;
        }
        case 4: {  // all of it
            std::vector<std::uint8_t> bytes(pending_.begin(), pending_.end());
            pending_.clear();
            apply(conversation_.Receive(bytes));
            break;
        }
        case 5: {  // bytes from nowhere
            std::vector<std::uint8_t> bytes(std::min<std::size_t>(next(), kMaxStray));
            for (auto& b : bytes) {
                b = next();
            }
            apply(conversation_.Receive(bytes));
            break;
        }
        case 6:
            apply(conversation_.Break());
            break;
        case 7:
            apply(conversation_.ReplyTimerExpired());
            break;
        case 8:
        case 9:
            apply(conversation_.BlinkTick());
            break;
        case 10:
            apply(conversation_.AnswerBandQuestion(next() & 1));
            break;
        case 11: {
            std::uint8_t what = next();
            if (what % 3 == 0) {
                apply(conversation_.PortWriteFailed());
            } else if (what % 3 == 1) {
                debug_ = !debug_;
            } else {
                selectedBand_ = what / 3 % BandTable::kCount;
            }
            break;
        }
    }
}

void ConversationScript::finish() {
    // The radio answers everything it still owes, then every timer runs out.
    for (int round = 0; round < 200 && violations_.empty(); ++round) {
        if (!pending_.empty()) {
            std::vector<std::uint8_t> bytes(pending_.begin(), pending_.end());
            pending_.clear();
            apply(conversation_.Receive(bytes));
        } else if (conversation_.awaitingBandAnswer()) {
            apply(conversation_.AnswerBandQuestion(true));
        } else if (conversation_.replyTimerRunning()) {
            apply(conversation_.ReplyTimerExpired());
        } else if (conversation_.blinkTimerRunning()) {
            apply(conversation_.BlinkTick());
        } else {
            break;
        }
    }
    if (locked_ || conversation_.locked()) {
        violation("the lock is still engaged when nothing is left to happen");
    }
    if (active_) {
        violation("a conversation never reported its end");
    }
}

void ConversationScript::apply(const link::Actions& actions) {
    for (const Action& a : actions) {
        check(a);
        if (a.kind == Action::SendFrame && radio_) {
            std::vector<std::uint8_t> reply = radio_->Receive(a.frame);
            pending_.insert(pending_.end(), reply.begin(), reply.end());
        }
    }
    if (!conversation_.locked() &&
        (conversation_.replyTimerRunning() || conversation_.blinkTimerRunning())) {
        violation("a timer runs while the lock is released");
    }
    if (conversation_.progress() > link::Conversation::kProgressMaximum) {
        violation("progress beyond 460");
    }
}

void ConversationScript::check(const Action& a) {
    switch (a.kind) {
        case Action::Lock:
            if (locked_) {
                violation("locked twice");
            }
            locked_ = true;
            active_ = true;
            mode_ = a.mode;
            requests_ = 0;
            break;
        case Action::Release:
            if (!locked_) {
                violation("released without a lock");
            }
            locked_ = false;
            break;
        case Action::SendFrame:
            if (!active_) {
                violation("frame " + BytesToImageText(a.frame) + " outside a conversation");
            }
            checkFrame(a.frame);
            break;
        case Action::SetProgress:
            if (a.value > link::Conversation::kProgressMaximum) {
                violation("progress " + std::to_string(a.value));
            }
            break;
        case Action::ReadComplete:
            if (mode_ != Mode::Read || requests_ != 16 || lastRequest_ != 0x03D0 ||
                a.image.size() != 2 * ByteMap::kReadSize) {
                violation("a read handed over before it was complete");
            }
            ++readsCompleted_;
            break;
        case Action::Ended:
            checkEnded(a.outcome);
            break;
        default:
            break;
    }
}

void ConversationScript::checkFrame(const std::vector<std::uint8_t>& frame) {
    if (frame.empty()) {
        violation("empty frame");
        return;
    }
    const auto address =
        frame.size() >= 3 ? static_cast<std::uint16_t>(frame[1] << 8 | frame[2]) : 0;
    if (frame[0] == link::Wire::kBlock) {
        bool aligned = (address & 0x0F) == (address == 0x01B8 ? 0x08 : 0x00);
        if (mode_ != Mode::Write || frame.size() != link::Wire::kWriteBlockSize ||
            !link::Wire::IsWritable(address, debug_) || !aligned) {
            violation("write block at " + HexWord(static_cast<std::int16_t>(address)));
        }
    } else if (frame[0] == link::Wire::kReadRequest &&
               frame.size() == link::Wire::kReadRequestSize) {
        if (mode_ != Mode::Read || address != 0x0010 + 64 * requests_) {
            violation("read request at " + HexWord(static_cast<std::int16_t>(address)));
        }
        ++requests_;
        lastRequest_ = address;
    }
}

void ConversationScript::checkEnded(Outcome outcome) {
    if (outcome == Outcome::PortNotOpen) {
        if (conversation_.locked()) {
            violation("port not open, yet locked");
        }
        return;
    }
    if (!active_) {
        violation("an end without a conversation");
    }
    active_ = false;
    ++ended_;
    writesCompleted_ += outcome == Outcome::WriteDone;
    if (conversation_.progressVisible() || conversation_.replyTimerRunning()) {
        violation("progress shown or reply timer running after the end");
    }
    bool failed = outcome == Outcome::TimedOut || outcome == Outcome::WriteFailed;
    if (failed == conversation_.locked()) {
        violation(failed ? "lock kept after a failure" : "lock released before the blinking");
    }
}

void ConversationScript::violation(std::string what) {
    violations_.push_back(std::move(what) + " (decision " + std::to_string(position_) + ")");
}

}  // namespace kvd::test

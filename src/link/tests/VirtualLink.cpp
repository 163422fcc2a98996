#include "VirtualLink.h"

#include <algorithm>

#include "link/ProgramHooks.h"

namespace kvd::test {

using link::Action;

VirtualLink::VirtualLink(RadioState& s) : link::LinkDriver(link::HooksFor(s)), state(s) {}

VirtualLink::WriteResult VirtualLink::writeFrame(std::span<const std::uint8_t> frame) {
    if (!portIsOpen) {
        return WriteResult::PortGone;
    }
    if (written_++ == failingFrame) {
        return WriteResult::Failed;
    }
    frames.push_back({now, {frame.begin(), frame.end()}});
    if (!radio_) {
        return WriteResult::Written;
    }
    std::vector<std::uint8_t> reply = radio_->Receive(frame);
    std::size_t piece = chunkSize == 0 ? reply.size() : chunkSize;
    std::int64_t at = now + latencyMs;
    for (std::size_t i = 0; i < reply.size(); i += piece, at += chunkGapMs) {
        auto first = reply.begin() + static_cast<std::ptrdiff_t>(i);
        auto last = reply.begin() + static_cast<std::ptrdiff_t>(std::min(reply.size(), i + piece));
        arrivals_.emplace_back(at, std::vector<std::uint8_t>(first, last));
    }
    return WriteResult::Written;
}

int VirtualLink::showMessage(link::TextId text, int style) {
    messages.push_back({now, text, style});
    if (text == link::TextId::BandMismatch) {
        return bandAnswer ? link::Button::kYes : link::Button::kNo;
    }
    return link::Button::kOk;
}

void VirtualLink::perform(const Action& a) {
    performed.emplace_back(now, a);
    switch (a.kind) {
        case Action::StartReplyTimer:
            replyDeadline_ = now + link::Conversation::kReplyTimeoutMs;
            break;
        case Action::StopReplyTimer:
            replyDeadline_ = -1;
            break;
        case Action::StartBlinkTimer:
            nextBlink_ = now + link::Conversation::kBlinkIntervalMs;
            break;
        case Action::StopBlinkTimer:
            nextBlink_ = -1;
            break;
        case Action::SetProgress:
            maxProgress = std::max(maxProgress, a.value);
            break;
        case Action::Lock:
            locked = true;
            break;
        case Action::Release:
            locked = false;
            releasedAt = now;
            break;
        case Action::SuppressBandPrompt:
            state.band.SuppressBandPrompt = true;
            break;
        case Action::ReadComplete:
            link::ApplyRead(a.image, a.value, state);
            ++readsApplied;
            break;
        case Action::Ended:
            outcome = a.outcome;
            endedAt = now;
            break;
        default:
            break;
    }
}

void VirtualLink::inject(std::vector<std::uint8_t> bytes, std::int64_t delayMs) {
    if (delayMs == 0) {
        Receive(bytes);
    } else {
        arrivals_.emplace_back(now + delayMs, std::move(bytes));
    }
}

bool VirtualLink::step(std::int64_t until) {
    std::int64_t next = -1;
    auto consider = [&next](std::int64_t t) {
        if (t >= 0 && (next < 0 || t < next)) {
            next = t;
        }
    };
    if (!arrivals_.empty()) {
        consider(arrivals_.front().first);
    }
    consider(replyDeadline_);
    consider(nextBlink_);
    if (next < 0 || next > until) {
        return false;
    }
    now = next;
    if (!arrivals_.empty() && arrivals_.front().first == now) {
        std::vector<std::uint8_t> bytes = std::move(arrivals_.front().second);
        arrivals_.pop_front();
        Receive(bytes);
    } else if (replyDeadline_ == now) {
        replyDeadline_ = -1;  // the program's time-out handler stops the timer at once
        ReplyTimerExpired();
    } else {
        nextBlink_ += link::Conversation::kBlinkIntervalMs;
        BlinkTick();
    }
    return true;
}

void VirtualLink::advance(std::int64_t ms) {
    const std::int64_t until = now + ms;
    while (step(until)) {
    }
    now = std::max(now, until);
}

void VirtualLink::runToEnd(std::int64_t limitMs) {
    const std::int64_t until = now + limitMs;
    while ((locked || !arrivals_.empty()) && step(until)) {
    }
}

std::vector<std::int64_t> VirtualLink::timesOf(Action::Kind kind) const {
    std::vector<std::int64_t> times;
    for (const auto& [at, a] : performed) {
        if (a.kind == kind) {
            times.push_back(at);
        }
    }
    return times;
}

std::vector<std::uint16_t> VirtualLink::writtenAddresses() const {
    std::vector<std::uint16_t> addresses;
    for (const Sent& f : frames) {
        if (f.bytes.size() == 20 && f.bytes[0] == 'W') {
            addresses.push_back(static_cast<std::uint16_t>(f.bytes[1] << 8 | f.bytes[2]));
        }
    }
    return addresses;
}

}  // namespace kvd::test

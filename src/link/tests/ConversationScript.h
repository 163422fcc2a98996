#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "channels/BandTable.h"
#include "image/ImageCodec.h"
#include "image/RadioState.h"
#include "link/Conversation.h"
#include "link/ProgramHooks.h"
#include "link/Wire.h"
#include "sim/RadioSide.h"

namespace kvd::test {

// Conversations with an in-process radio on a virtual clock (ms), checking as they go what
// must always hold. Replies arrive 2 ms after their frame, in pieces of `piece` bytes 1 ms
// apart. Tests drive it by hand; Run plays a stream of decision bytes (radio faults, replies
// whole or in pieces, stray bytes, breaks, timers, band answers, failed writes, debug access,
// band changes and interruptions): the property test feeds it random streams, the fuzz target
// arbitrary ones.
class ConversationScript {
    using Action = link::Action;
    using Mode = link::Mode;
    using Outcome = link::Outcome;
    static constexpr std::int64_t kNever = INT64_MAX;

public:
    using Bytes = std::vector<std::uint8_t>;
    using Entry = std::pair<std::int64_t, Action>;

    explicit ConversationScript(std::span<const std::uint8_t> d = {})
        : decisions(d), conversation(link::HooksFor(program)) {
        program.flags.Language = kEnglish;
        ApplyStartupDefaults(program);
    }

    RadioState program;
    std::optional<sim::RadioSide> radio;
    std::size_t piece = 0;   // 0: whole replies
    bool yes = true;         // the answer to the band question when Finish meets it
    std::vector<Entry> log;  // every action, with its time
    int ended = 0, reads = 0, writes = 0;
    std::vector<std::string> violations;

    // Plays the stream, then Finish. Gives the broken rules.
    std::vector<std::string> Run() {
        while (position < decisions.size() && violations.empty()) {
            step();
        }
        Finish();
        return violations;
    }

    void Start(Mode mode, bool portOpen = true) { apply(conversation.Start(mode, portOpen)); }
    void Receive(const Bytes& bytes) { apply(conversation.Receive(bytes)); }
    void Break() { apply(conversation.Break()); }
    void Interrupt() { apply(conversation.Interrupt()); }

    // The radio says what it owes and the timers run until the conversation is over (an hour
    // at most). While the band question is open a stray byte and a stale time-out tick come.
    void Finish() {
        while (violations.empty() && now < 3600000) {
            if (conversation.awaitingBandAnswer()) {
                Receive(Bytes{0x06});
                apply(conversation.ReplyTimerExpired());
                apply(conversation.AnswerBandQuestion(yes));
                continue;
            }
            const std::int64_t due = pending.empty() ? kNever : pending.front().first;
            const std::int64_t first = std::min({due, reply, blink});
            if (first == kNever) {
                break;
            }
            now = std::max(now, first);
            if (due <= now) {
                deliver(static_cast<std::size_t>(
                    std::find_if(pending.begin(), pending.end(),
                                 [due](const auto& p) { return p.first != due; }) -
                    pending.begin()));
            } else if (reply <= now) {
                apply(conversation.ReplyTimerExpired());
            } else {
                blink += 200;
                apply(conversation.BlinkTick());
            }
        }
        expect(!locked && !conversation.locked() && !active, "a conversation or lock never ended");
    }

    std::vector<Entry> All(Action::Kind kind) const {
        std::vector<Entry> found;
        std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                     [kind](const Entry& e) { return e.second.kind == kind; });
        return found;
    }
    Entry LastEntry(Action::Kind kind) const {
        const std::vector<Entry> all = All(kind);
        return all.empty() ? Entry{-1, Action::Of(kind)} : all.back();
    }
    Action Last(Action::Kind kind) const { return LastEntry(kind).second; }
    std::vector<Bytes> Frames() const {
        std::vector<Bytes> frames;
        for (const Entry& e : All(Action::SendFrame)) {
            frames.push_back(e.second.frame);
        }
        return frames;
    }
    // Nothing of a conversation is left running or shown.
    bool quiet() const {
        return !locked && !statusShown && !progressShown && reply == kNever && blink == kNever;
    }

private:
    std::span<const std::uint8_t> decisions;
    std::size_t position = 0;
    link::Conversation conversation;
    std::deque<std::pair<std::int64_t, std::uint8_t>> pending;  // replies and when they arrive
    std::int64_t now = 0, reply = kNever, blink = kNever;
    bool locked = false, active = false, statusShown = false, progressShown = false;
    Mode mode = Mode::Read;
    int requests = 0;  // read requests in this conversation

    std::uint8_t next() { return position < decisions.size() ? decisions[position++] : 0; }

    void step() {
        const int kind = next() % 12;
        if (kind == 0) {  // a command, against a radio set up by the next bytes
            const std::uint8_t how = next(), fault = next();
            sim::Faults faults;
            if (fault % 4 == 0) {
                faults = {.stopAfterBlocks = fault / 4 % 20,
                          .garbageAck = next() % 60,
                          .extraByteReply = next() % 60};
                faults.wrongAddressBlock = next() % 20;
            }
            const std::uint8_t code = BandTable::At(next() % BandTable::kCount).code;
            radio.emplace(EncodeImage(program), how & 4 ? std::uint8_t{0x22} : code, faults);
            pending.clear();
            Start(how & 1 ? Mode::Write : Mode::Read, (how & 2) == 0);
        } else if (kind <= 4) {  // some or all of the radio's reply
            deliver(kind == 4 ? pending.size()
                              : std::min<std::size_t>(pending.size(), 1 + next() % 70));
        } else if (kind == 5) {  // bytes from nowhere
            Bytes bytes(std::min<std::size_t>(next(), 80));
            std::generate(bytes.begin(), bytes.end(), [this] { return next(); });
            Receive(bytes);
        } else if (kind == 6) {
            Break();
        } else if (kind == 7) {
            apply(conversation.ReplyTimerExpired());
        } else if (kind <= 9) {
            apply(conversation.BlinkTick());
        } else if (kind == 10) {
            apply(conversation.AnswerBandQuestion(next() & 1));
        } else if (const std::uint8_t what = next(); what % 4 == 0) {
            apply(conversation.PortWriteFailed());
        } else if (what % 4 == 1) {
            program.flags.DebugAccess = !program.flags.DebugAccess;
        } else if (what % 4 == 2) {
            program.band.TakeBand(what / 4 % BandTable::kCount);
        } else {
            apply(conversation.Interrupt());
        }
    }

    void deliver(std::size_t count) {
        Bytes bytes;
        for (; count > 0; --count, pending.pop_front()) {
            bytes.push_back(pending.front().second);
        }
        Receive(bytes);
    }

    void apply(const link::Actions& actions) {
        for (const Action& a : actions) {
            log.emplace_back(now, a);
            check(a);
            const Action::Kind k = a.kind;
            reply = k == Action::StartReplyTimer  ? now + 3000
                    : k == Action::StopReplyTimer ? kNever
                                                  : reply;
            blink = k == Action::StartBlinkTimer  ? now + 200
                    : k == Action::StopBlinkTimer ? kNever
                                                  : blink;
            progressShown =
                k == Action::ShowProgress || (progressShown && k != Action::HideProgress);
            statusShown = k == Action::SetStatusVisible ? a.flag : statusShown;
            if (k == Action::ReadComplete) {
                link::ApplyRead(a.image, a.value, program);
            }
            const Bytes answer =
                k == Action::SendFrame && radio ? radio->Receive(a.frame) : Bytes();
            for (std::size_t i = 0; i < answer.size(); ++i) {
                const auto at = now + 2 + static_cast<std::int64_t>(piece ? i / piece : 0);
                pending.emplace_back(at, answer[i]);
            }
        }
        expect(conversation.locked() ||
                   !(conversation.replyTimerRunning() || conversation.blinkTimerRunning()),
               "a timer runs while the lock is released");
    }

    void check(const Action& a) {
        const Bytes& f = a.frame;
        const auto address = f.size() >= 3 ? static_cast<std::uint16_t>(f[1] << 8 | f[2]) : 0;
        const bool debug = program.flags.DebugAccess != 0;
        if (a.kind == Action::Lock) {
            expect(!locked, "a second conversation started under the lock");
            locked = active = true;
            mode = a.mode;
            requests = 0;
        } else if (a.kind == Action::Release) {
            locked = false;
        } else if (a.kind == Action::SendFrame) {
            expect(active, "a frame outside a conversation");
            if (f[0] == link::Wire::kBlock) {
                const bool aligned = (address & 0x0F) == (address == 0x01B8 ? 0x08 : 0x00);
                expect(mode == Mode::Write && f.size() == link::Wire::kWriteBlockSize &&
                           link::Wire::IsWritable(address, debug) && aligned,
                       "a write block outside the ranges written");
            } else if (f.size() == link::Wire::kReadRequestSize) {
                expect(mode == Mode::Read && address == 0x0010 + 64 * requests++,
                       "a read request out of order");
            }
        } else if (a.kind == Action::SetProgress) {
            expect(a.value <= link::Conversation::kProgressMaximum, "progress beyond 460");
        } else if (a.kind == Action::ReadComplete) {
            expect(mode == Mode::Read && requests == 16 && a.image.size() == ByteMap::kReadSize,
                   "a read handed over before it was complete");
            ++reads;
        } else if (a.kind == Action::Ended && a.outcome == Outcome::PortNotOpen) {
            expect(!conversation.locked(), "port not open, yet locked");
        } else if (a.kind == Action::Ended) {
            expect(active && !conversation.progressVisible() && !conversation.replyTimerRunning(),
                   "an end without a conversation, or with progress or reply timer left");
            active = false;
            ++ended;
            writes += a.outcome == Outcome::WriteDone;
            const bool failed = a.outcome == Outcome::TimedOut ||
                                a.outcome == Outcome::WriteFailed ||
                                a.outcome == Outcome::Interrupted;
            expect(failed != conversation.locked(),
                   failed ? "lock kept after a failure" : "lock released before the blinking");
        }
    }

    void expect(bool holds, const std::string& rule) {
        if (!holds) {
            violations.push_back(rule + " (decision " + std::to_string(position) + ")");
        }
    }
};

}  // namespace kvd::test

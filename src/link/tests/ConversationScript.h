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
#include "link/Wire.h"
#include "sim/RadioSide.h"

namespace kvd::test {

// Plays a conversation from a stream of decision bytes: starts against a radio with chosen
// faults, its replies whole or in pieces, stray bytes, breaks, timer events, band answers,
// failed writes, debug access and band changes. It checks what must always hold as it goes.
// The property test feeds it random streams, the fuzz target arbitrary ones.
class ConversationScript {
    using Action = link::Action;
    using Mode = link::Mode;
    using Outcome = link::Outcome;

public:
    explicit ConversationScript(std::span<const std::uint8_t> d)
        : decisions(d),
          conversation({[this] { return selectedBand; }, [this] { return debug; },
                        [this] { return EncodeImage(program); }}) {
        program.flags.Language = kEnglish;
        ApplyStartupDefaults(program);
    }

    // Runs the stream, then lets every timer run out. Gives the broken rules, if any.
    std::vector<std::string> Run() {
        while (position < decisions.size() && violations.empty()) {
            step();
        }
        // The radio answers all it still owes, the band question gets a Yes, the timers run out.
        for (int round = 0; round < 200 && violations.empty(); ++round) {
            if (!pending.empty()) {
                deliver(pending.size());
            } else if (conversation.awaitingBandAnswer()) {
                apply(conversation.AnswerBandQuestion(true));
            } else if (conversation.replyTimerRunning()) {
                apply(conversation.ReplyTimerExpired());
            } else if (conversation.blinkTimerRunning()) {
                apply(conversation.BlinkTick());
            } else {
                break;
            }
        }
        expect(!locked && !conversation.locked() && !active,
               "a conversation that never ended, or a lock kept at the end");
        return violations;
    }

    int conversationsEnded() const { return ended; }
    int readsCompleted() const { return reads; }
    int writesCompleted() const { return writes; }

private:
    std::span<const std::uint8_t> decisions;
    std::size_t position = 0;
    RadioState program;
    int selectedBand = 0;
    bool debug = false;
    link::Conversation conversation;
    std::optional<sim::RadioSide> radio;
    std::deque<std::uint8_t> pending;  // the radio's replies not yet delivered

    // What the actions so far say.
    bool locked = false;
    bool active = false;  // started and not yet ended
    Mode mode = Mode::Read;
    int requests = 0;  // read requests in this conversation
    int ended = 0;
    int reads = 0;
    int writes = 0;
    std::vector<std::string> violations;

    std::uint8_t next() { return position < decisions.size() ? decisions[position++] : 0; }

    void step() {
        switch (next() % 12) {
            case 0: {  // a Read or Write command, against a radio set up by the next bytes
                const std::uint8_t how = next();
                sim::Faults faults;
                if (const std::uint8_t fault = next(); fault % 4 == 0) {
                    faults.stopAfterBlocks = fault / 4 % 20;
                    faults.garbageAck = next() % 60;
                    faults.extraByteReply = next() % 60;
                    faults.wrongAddressBlock = next() % 20;
                }
                const std::uint8_t code = BandTable::At(next() % BandTable::kCount).code;
                radio.emplace(EncodeImageBytes(program), how & 4 ? std::uint8_t{0x22} : code,
                              faults);
                pending.clear();
                apply(conversation.Start(how & 1 ? Mode::Write : Mode::Read, (how & 2) == 0));
                break;
            }
            case 1:
            case 2:
            case 3:  // some of the radio's reply arrives
                deliver(std::min<std::size_t>(pending.size(), 1 + next() % 70));
                break;
            case 4:
                deliver(pending.size());
                break;
            case 5: {  // bytes from nowhere
                std::vector<std::uint8_t> bytes(std::min<std::size_t>(next(), 80));
                for (auto& b : bytes) {
                    b = next();
                }
                apply(conversation.Receive(bytes));
                break;
            }
            case 6:
                apply(conversation.Break());
                break;
            case 7:
                apply(conversation.ReplyTimerExpired());
                break;
            case 8:
            case 9:
                apply(conversation.BlinkTick());
                break;
            case 10:
                apply(conversation.AnswerBandQuestion(next() & 1));
                break;
            case 11: {
                const std::uint8_t what = next();
                if (what % 3 == 0) {
                    apply(conversation.PortWriteFailed());
                } else if (what % 3 == 1) {
                    debug = !debug;
                } else {
                    selectedBand = what / 3 % BandTable::kCount;
                }
                break;
            }
        }
    }

    void deliver(std::size_t count) {
        const auto end = pending.begin() + static_cast<std::ptrdiff_t>(count);
        const std::vector<std::uint8_t> bytes(pending.begin(), end);
        pending.erase(pending.begin(), end);
        apply(conversation.Receive(bytes));
    }

    void apply(const link::Actions& actions) {
        for (const Action& a : actions) {
            check(a);
            if (a.kind == Action::SendFrame && radio) {
                const std::vector<std::uint8_t> reply = radio->Receive(a.frame);
                pending.insert(pending.end(), reply.begin(), reply.end());
            }
        }
        expect(conversation.locked() ||
                   !(conversation.replyTimerRunning() || conversation.blinkTimerRunning()),
               "a timer runs while the lock is released");
    }

    void check(const Action& a) {
        const auto address =
            a.frame.size() >= 3 ? static_cast<std::uint16_t>(a.frame[1] << 8 | a.frame[2]) : 0;
        if (a.kind == Action::Lock) {
            expect(!locked, "a second conversation started under the lock");
            locked = active = true;
            mode = a.mode;
            requests = 0;
        } else if (a.kind == Action::Release) {
            locked = false;
        } else if (a.kind == Action::SendFrame && !a.frame.empty() &&
                   a.frame[0] == link::Wire::kBlock) {
            const bool aligned = (address & 0x0F) == (address == 0x01B8 ? 0x08 : 0x00);
            expect(active && mode == Mode::Write && a.frame.size() == link::Wire::kWriteBlockSize &&
                       link::Wire::IsWritable(address, debug) && aligned,
                   "a write block outside the ranges written");
        } else if (a.kind == Action::SendFrame && a.frame.size() == link::Wire::kReadRequestSize) {
            expect(active && mode == Mode::Read && address == 0x0010 + 64 * requests++,
                   "a read request out of order");
        } else if (a.kind == Action::SendFrame) {
            expect(active, "a frame outside a conversation");
        } else if (a.kind == Action::SetProgress) {
            expect(a.value <= link::Conversation::kProgressMaximum, "progress beyond 460");
        } else if (a.kind == Action::ReadComplete) {
            expect(mode == Mode::Read && requests == 16 && a.image.size() == 2 * ByteMap::kReadSize,
                   "a read handed over before it was complete");
            ++reads;
        } else if (a.kind == Action::Ended && a.outcome == Outcome::PortNotOpen) {
            expect(!conversation.locked(), "port not open, yet locked");
        } else if (a.kind == Action::Ended) {
            expect(active, "an end without a conversation");
            active = false;
            ++ended;
            writes += a.outcome == Outcome::WriteDone;
            expect(!conversation.progressVisible() && !conversation.replyTimerRunning(),
                   "progress shown or reply timer running after the end");
            const bool failed = a.outcome == Outcome::TimedOut || a.outcome == Outcome::WriteFailed;
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

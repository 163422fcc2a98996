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
#include "link/LinkSequence.h"
#include "link/ProgramHooks.h"
#include "link/Wire.h"
#include "sim/RadioSide.h"

namespace kvd::test {

// Commands (LinkSequence: reads, writes, writes with checks) with an in-process radio on a
// virtual clock (ms), checking as they go what must always hold. Replies arrive 2 ms after
// their frame, in pieces of `piece` bytes 1 ms apart. Tests drive it by hand; Run plays a
// stream of decision bytes (radio faults, replies whole or in pieces, stray bytes, breaks,
// timers, the program's answers, failed writes, debug access, band changes and
// interruptions): the property test feeds it random streams, the fuzz target arbitrary ones.
class ConversationScript {
    using Action = link::Action;
    using Mode = link::Mode;
    using Outcome = link::Outcome;
    static constexpr std::int64_t kNever = INT64_MAX;

public:
    using Bytes = std::vector<std::uint8_t>;
    using Entry = std::pair<std::int64_t, Action>;

    explicit ConversationScript(std::span<const std::uint8_t> d = {})
        : decisions(d), sequence(link::HooksFor(program)) {
        program.flags.Language = kEnglish;
        ApplyStartupDefaults(program);
    }

    RadioState program;
    std::optional<sim::RadioSide> radio;
    std::size_t piece = 0;          // 0: whole replies
    bool yes = true;                // the program's answer to every question Finish meets
    bool keep = true;               // whether a backup read is kept
    bool pauseAtQuestions = false;  // Finish returns with a question open
    std::vector<Entry> log;         // every action, with its time
    int ended = 0, reads = 0, writes = 0, checked = 0;
    std::vector<std::string> violations;

    // Plays the stream, then Finish. Gives the broken rules.
    std::vector<std::string> Run() {
        while (position < decisions.size() && violations.empty()) {
            step();
        }
        Finish();
        return violations;
    }

    void Start(Mode mode, bool portOpen = true) {
        started(sequence.Start(mode, portOpen), {false, false, false});
    }
    void StartWrite(link::WriteChecks checks, bool portOpen = true) {
        started(sequence.StartWrite(checks, portOpen), checks);
    }
    void Receive(const Bytes& bytes) { apply(sequence.Receive(bytes)); }
    void Break() { apply(sequence.Break()); }
    void Interrupt() { apply(sequence.Interrupt()); }
    // The program's answer to the question open (none: nothing happens).
    void Answer(bool yes) {
        const Action::Kind open = question;
        question = Action::Ended;
        if (open == Action::KeepBackup) {
            needKeep = needKeep && !yes;
            apply(sequence.BackupKept(yes));
        } else if (open == Action::ConfirmWrite) {
            needConfirm = needConfirm && !yes;
            apply(sequence.AnswerConfirmation(yes));
        } else if (open == Action::AskBandQuestion) {
            apply(sequence.AnswerBandQuestion(yes));
        }
    }
    Action::Kind Question() const { return question; }
    const link::LinkSequence& Sequence() const { return sequence; }

    // The radio says what it owes and the timers run until the command is over (an hour at
    // most), or a question is open and pauseAtQuestions says so. While a question is open a
    // stray byte and a stale time-out tick come, then Finish answers it.
    void Finish() {
        while (violations.empty() && now < 3600000) {
            if (question != Action::Ended && pauseAtQuestions) {
                return;
            }
            if (question != Action::Ended) {
                Receive(Bytes{0x06});
                apply(sequence.ReplyTimerExpired());
                Answer(question == Action::KeepBackup ? keep : yes);
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
                apply(sequence.ReplyTimerExpired());
            } else {
                blink += 200;
                apply(sequence.BlinkTick());
            }
        }
        expect(!locked && !sequence.conversation().locked() && !active,
               "a conversation or lock never ended");
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
    link::LinkSequence sequence;
    Action::Kind question = Action::Ended;                      // the question open, Ended for none
    std::deque<std::pair<std::int64_t, std::uint8_t>> pending;  // replies and when they arrive
    std::int64_t now = 0, reply = kNever, blink = kNever;
    bool locked = false, active = false, statusShown = false, progressShown = false;
    Mode mode = Mode::Read;                      // of the conversation running, by its start frame
    int requests = 0;                            // read requests in this conversation
    bool needKeep = false, needConfirm = false;  // a write with checks before its answers
    int radios = 0, writtenRadio = -1;           // radios set up; the one last written
    std::vector<std::pair<std::uint16_t, Bytes>> sent;  // the blocks of the last write

    std::uint8_t next() { return position < decisions.size() ? decisions[position++] : 0; }

    // A command that was not refused: its answers are still to come.
    void started(const link::Actions& actions, link::WriteChecks checks) {
        if (!actions.empty()) {
            needKeep = checks.backup;
            needConfirm = checks.confirm;
            question = Action::Ended;
        }
        apply(actions);
    }

    void step() {
        const int kind = next() % 13;
        if (kind == 0) {  // a command, against a radio set up by the next bytes
            const std::uint8_t how = next(), fault = next();
            sim::Faults faults;
            if (fault % 4 == 0) {
                faults = {.stopAfterBlocks = fault / 4 % 20,
                          .garbageAck = next() % 60,
                          .extraByteReply = next() % 60};
                faults.wrongAddressBlock = next() % 20;
            } else if (fault % 4 == 1) {  // a radio that lies or restarts
                faults.stuckBytes = {next() * 4u % ByteMap::kImageSize};
                faults.restartDelayMs = fault & 4 ? next() * 40 : 0;
            }
            const std::uint8_t code = BandTable::At(next() % BandTable::kCount).code;
            radio.emplace(EncodeImage(program), how & 4 ? std::uint8_t{0x22} : code, faults);
            ++radios;
            pending.clear();
            if (how & 8) {
                StartWrite({(how & 16) != 0, (how & 32) != 0, (how & 64) == 0}, (how & 2) == 0);
            } else {
                Start(how & 1 ? Mode::Write : Mode::Read, (how & 2) == 0);
            }
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
            apply(sequence.ReplyTimerExpired());
        } else if (kind <= 9) {
            apply(sequence.BlinkTick());
        } else if (kind == 10) {
            apply(sequence.AnswerBandQuestion(next() & 1));
        } else if (kind == 11) {
            Answer(next() & 1);
        } else if (const std::uint8_t what = next(); what % 4 == 0) {
            apply(sequence.PortWriteFailed());
        } else if (what % 4 == 1) {
            program.flags.DebugAccess = !program.flags.DebugAccess;
        } else if (what % 4 == 2) {
            program.band.TakeBand(what / 4 % BandTable::kCount);
        } else {
            apply(sequence.Interrupt());
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
            reply = k == Action::StartReplyTimer  ? now + a.value
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
            question =
                k == Action::KeepBackup || k == Action::ConfirmWrite || k == Action::AskBandQuestion
                    ? k
                    : question;
            const Bytes answer =
                k == Action::SendFrame && radio ? radio->Receive(a.frame, now) : Bytes();
            for (std::size_t i = 0; i < answer.size(); ++i) {
                const auto at = now + 2 + static_cast<std::int64_t>(piece ? i / piece : 0);
                pending.emplace_back(at, answer[i]);
            }
        }
        const link::Conversation& c = sequence.conversation();
        expect(c.locked() || !(c.replyTimerRunning() || c.blinkTimerRunning()),
               "a timer runs while the lock is released");
    }

    void check(const Action& a) {
        const Bytes& f = a.frame;
        const auto address = f.size() >= 3 ? static_cast<std::uint16_t>(f[1] << 8 | f[2]) : 0;
        const bool debug = program.flags.DebugAccess != 0;
        const link::Conversation& c = sequence.conversation();
        if (a.kind == Action::Lock) {
            expect(!locked, "a second conversation started under the lock");
            locked = active = true;
        } else if (a.kind == Action::Release) {
            locked = false;
        } else if (a.kind == Action::SendFrame) {
            expect(active, "a frame outside a conversation");
            if (f.size() >= 7 && f[0] == 'P') {  // "PROGRAM": a conversation begins
                mode = f.size() == 8 ? Mode::Read : Mode::Write;
                requests = 0;
                if (mode == Mode::Write) {
                    sent.clear();
                    writtenRadio = radios;
                }
            } else if (f[0] == link::Wire::kBlock) {
                const bool aligned = (address & 0x0F) == (address == 0x01B8 ? 0x08 : 0x00);
                expect(mode == Mode::Write && f.size() == link::Wire::kWriteBlockSize &&
                           link::Wire::IsWritable(address, debug) && aligned,
                       "a write block outside the ranges written");
                expect(!needKeep && !needConfirm,
                       "a block written before the backup was kept and the write confirmed");
                sent.emplace_back(address, Bytes(f.begin() + 4, f.end()));
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
        } else if (a.kind == Action::WriteChecked) {
            expect(mode == Mode::Read && requests == 16, "a check without a whole read");
            if (radio && writtenRadio == radios) {  // the radio written is the one read back
                const MemoryImage held = radio->image();
                bool same = true;
                for (const auto& [at, data] : sent) {
                    same = same && std::equal(data.begin(), data.end(),
                                              held.begin() + (at - ByteMap::kRadioBase));
                }
                expect(a.comparison->equal() == same,
                       "a check that missed or made up a difference");
            }
        } else if (a.kind == Action::Ended && !active) {
            const bool quietEnd = a.outcome == Outcome::PortNotOpen ||
                                  a.outcome == Outcome::WriteCancelled ||
                                  a.outcome == Outcome::Interrupted;
            expect(quietEnd && !c.locked(), "an end without a conversation");
        } else if (a.kind == Action::Ended) {
            expect(!c.progressVisible() && !c.replyTimerRunning(),
                   "an end with progress or reply timer left");
            active = false;
            ++ended;
            const Outcome o = a.outcome;
            writes += o == Outcome::WriteDone || o == Outcome::WriteVerified ||
                      o == Outcome::WriteDiffers;
            checked += o == Outcome::WriteVerified || o == Outcome::WriteDiffers;
            const bool failed = o == Outcome::TimedOut || o == Outcome::WriteFailed ||
                                o == Outcome::Interrupted || o == Outcome::WriteUnverified;
            expect(o == Outcome::BackupFailed || failed != c.locked(),
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

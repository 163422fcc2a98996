#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "../../image/tests/TestStates.h"
#include "ConversationScript.h"
#include "channels/BandTable.h"
#include "image/ImageCodec.h"
#include "link/LinkDriver.h"
#include "link/ProgramHooks.h"
#include "sim/RadioSide.h"

namespace kvd {
namespace {

using link::Action;
using link::Mode;
using link::Outcome;
using link::TextId;
using Bytes = std::vector<std::uint8_t>;
constexpr std::int64_t kNever = INT64_MAX;

// The conversation against an in-process radio on a virtual clock (ms). Replies arrive 2 ms
// after their frame, in pieces of `chunk` bytes 1 ms apart; timers fire at their deadlines,
// after bytes due at the same moment.
struct VirtualLink : link::LinkDriver {
    using Entry = std::pair<std::int64_t, Action>;

    explicit VirtualLink(RadioState& s) : LinkDriver(link::HooksFor(s)), state(s) {}

    RadioState& state;
    std::optional<sim::RadioSide> radio;
    bool bandAnswer = true;
    std::size_t chunk = 0;  // 0: whole replies
    std::int64_t now = 0;
    std::vector<Entry> log;  // frames, messages and every other action, as carried out
    bool locked = false, statusShown = false, progressShown = false;

    // Runs the clock until the lock is released and nothing is on its way, or for ms at most.
    void Run(std::int64_t ms = 120000) {
        for (const std::int64_t until = now + ms; locked || !arrivals_.empty();) {
            now = std::min({arrivals_.empty() ? kNever : arrivals_.front().first, reply_, blink_});
            if (now > until) {
                now = until;
                return;
            }
            if (!arrivals_.empty() && arrivals_.front().first == now) {
                const Bytes bytes = std::move(arrivals_.front().second);
                arrivals_.pop_front();
                Receive(bytes);
            } else if (now == reply_) {
                reply_ = kNever;
                ReplyTimerExpired();
            } else {
                blink_ += 200;
                BlinkTick();
            }
        }
    }

    std::vector<Entry> All(Action::Kind kind) const {
        std::vector<Entry> found;
        std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                     [kind](const Entry& e) { return e.second.kind == kind; });
        return found;
    }
    Entry LastEntry(Action::Kind kind) const {
        const std::vector<Entry> all = All(kind);
        if (all.empty()) {
            ADD_FAILURE() << "no " << link::Describe(Action::Of(kind));
            return {-1, Action::Of(kind)};
        }
        return all.back();
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
        return !locked && !statusShown && !progressShown && reply_ == kNever && blink_ == kNever;
    }

    bool portOpen() const override { return true; }

    WriteResult writeFrame(std::span<const std::uint8_t> frame) override {
        Action a = Action::Of(Action::SendFrame);
        a.frame.assign(frame.begin(), frame.end());
        log.emplace_back(now, a);
        const Bytes reply = radio ? radio->Receive(frame) : Bytes();
        const auto piece = static_cast<std::ptrdiff_t>(chunk ? chunk : reply.size());
        std::int64_t at = now + 2;
        for (auto from = reply.begin(); from != reply.end(); ++at) {
            auto to = reply.end() - from > piece ? from + piece : reply.end();
            arrivals_.emplace_back(at, Bytes(from, to));
            from = to;
        }
        return WriteResult::Written;
    }

    int showMessage(TextId text, int style) override {
        const bool question = style & link::MessageStyle::kYesNo;
        Action a = Action::Of(question ? Action::AskBandQuestion : Action::ShowMessage);
        a.text = text;
        a.style = style;
        log.emplace_back(now, a);
        if (question) {  // a stray byte and a stale time-out tick while it is open
            Receive(Bytes{0x06});
            ReplyTimerExpired();
        }
        return !question ? link::Button::kOk : bandAnswer ? link::Button::kYes : link::Button::kNo;
    }

    void perform(const Action& a) override {
        log.emplace_back(now, a);
        const Action::Kind k = a.kind;
        if (k == Action::StartReplyTimer || k == Action::StopReplyTimer) {
            reply_ = k == Action::StartReplyTimer ? now + 3000 : kNever;
        } else if (k == Action::StartBlinkTimer || k == Action::StopBlinkTimer) {
            blink_ = k == Action::StartBlinkTimer ? now + 200 : kNever;
        } else if (k == Action::Lock || k == Action::Release) {
            locked = k == Action::Lock;
        } else if (k == Action::ShowProgress || k == Action::HideProgress) {
            progressShown = k == Action::ShowProgress;
        } else if (k == Action::SetStatusVisible) {
            statusShown = a.flag;
        } else if (k == Action::SuppressBandPrompt) {
            state.band.SuppressBandPrompt = true;
        } else if (k == Action::ReadComplete) {
            link::ApplyRead(a.image, a.value, state);
        }
    }

    std::deque<std::pair<std::int64_t, Bytes>> arrivals_;
    std::int64_t reply_ = kNever;
    std::int64_t blink_ = kNever;
};

Bytes ReadRequest(unsigned address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            0x40};
}

// The result text stays on the status line, and six blink ticks after the final "E" (1.0 to
// 1.2 s) the lock goes with everything else the conversation showed.
void ExpectEndedNormally(const VirtualLink& l, Outcome outcome, TextId result) {
    EXPECT_EQ(l.Last(Action::Ended).outcome, outcome);
    EXPECT_EQ(l.Frames().back(), Bytes{0x45});
    EXPECT_EQ(l.Last(Action::SetStatusText).text, result);
    const std::int64_t blinking =
        l.LastEntry(Action::Release).first - l.LastEntry(Action::SendFrame).first;
    EXPECT_TRUE(blinking >= 1000 && blinking <= 1200) << blinking;
    EXPECT_TRUE(l.quiet());
}

class ConversationTest : public ::testing::Test {
protected:
    RadioState program = test::StartupState(kEnglish);
    VirtualLink link{program};
};

// Replies whole or in pieces of any size. The band comes from the identification's code; a
// code not in the table leaves the band of the read before.
TEST_F(ConversationTest, ReadTakesTheRadiosMemoryAndBand) {
    std::vector<Bytes> frames = {{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x00}, {0x02}, {0x06}};
    for (unsigned address = 0x10; address < 0x410; address += 64) {
        frames.push_back(ReadRequest(address));
        frames.push_back({0x06});
    }
    frames.push_back({0x45});
    std::mt19937 random(7);
    for (auto [code, band, piece] :
         {std::tuple{0x01, 5, 0u}, {0x33, 0, 1u}, {0x21, 1, 3u}, {0x73, 6, 64u}, {0x22, 6, 7u}}) {
        SCOPED_TRACE(code);
        RadioState radio = test::RandomValidState(random);
        radio.band.TakeBand(band);
        program.flags.Language = radio.flags.Language;
        program.flags.DebugAccess = 1;
        program.band.TakeBand(3);  // the band is the radio's, whatever the program had
        link.log.clear();
        link.radio.emplace(EncodeImageBytes(radio), static_cast<std::uint8_t>(code));
        link.chunk = piece;
        link.Start(Mode::Read);
        link.Run();
        test::ExpectSameImageContent(radio, program);
        EXPECT_EQ(program.band.CurrentBand, band);
        EXPECT_EQ(program.flags.DebugAccess, 0);
        EXPECT_EQ(link.log.front().second.kind, Action::SuppressBandPrompt);
        EXPECT_EQ(link.Frames(), frames);
        EXPECT_EQ(link.Last(Action::SetProgress).value, 425);
        EXPECT_TRUE(link.All(Action::ShowMessage).empty());
        ExpectEndedNormally(link, Outcome::ReadDone, TextId::ReadSuccess);
    }
}

// The second write goes to a radio on another band and is answered Yes: the question comes
// once, and while it is open the bench sends a stray byte and a stale time-out tick, which
// must count for nothing. Answered No, "E" goes at once and the question stays on show.
TEST_F(ConversationTest, WritesFortySixBlocksOrFortySevenWithDebugAccess) {
    std::mt19937 random(11);
    for (bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        RadioState content = test::RandomValidState(random);
        content.band.TakeBand(2);
        content.flags.DebugAccess = debug;
        RadioState old = test::StartupState();
        old.band.TakeBand(debug ? 0 : 2);
        old.settings.HighPowerLevel = 17;  // the calibration the radio holds
        VirtualLink l(content);
        l.radio.emplace(EncodeImageBytes(old));
        l.Start(Mode::Write);
        l.Run();
        ExpectEndedNormally(l, Outcome::WriteDone, TextId::WriteSuccess);
        EXPECT_EQ(l.Frames()[0], Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
        std::vector<std::uint16_t> blocks;
        for (std::uint16_t a = 0x10; a < 0x360; a += 16) {
            if (a < 0x180 || (debug && a == 0x180) || a >= 0x200) {
                blocks.push_back(a);
            }
            if (a == 0x1B0) {
                blocks.push_back(0x1B8);  // the block with the identification and the band
            }
        }
        EXPECT_EQ(l.radio->session().writtenAddresses, blocks);
        MemoryImage expected = EncodeImageBytes(old);
        const MemoryImage sent = EncodeImageBytes(content);
        for (std::uint16_t a : blocks) {
            std::copy_n(sent.begin() + (a - 0x10), 16, expected.begin() + (a - 0x10));
        }
        EXPECT_EQ(l.radio->image(), expected);
        EXPECT_EQ(l.radio->image()[0x173], debug ? content.settings.HighPowerLevel : 17);
        EXPECT_EQ(l.All(Action::SetProgress).size(), 46u) << "acks after the 46th add nothing";
        EXPECT_EQ(l.Last(Action::SetProgress).value, 460);
        EXPECT_TRUE(l.All(Action::ShowMessage).empty());
        ASSERT_EQ(l.All(Action::AskBandQuestion).size(), debug ? 1u : 0u);
    }
    program.band.TakeBand(5);
    link.bandAnswer = false;
    link.radio.emplace(EncodeImageBytes(test::StartupState()));
    link.Start(Mode::Write);
    link.Run();
    EXPECT_EQ(link.Last(Action::AskBandQuestion).text, TextId::BandMismatch);
    EXPECT_EQ(link.Last(Action::AskBandQuestion).style,
              link::MessageStyle::kInformation | link::MessageStyle::kYesNo);
    EXPECT_EQ(link.Frames().size(), 4u) << "PROGRAM, 02, 06, E";
    ExpectEndedNormally(link, Outcome::BandDeclined, TextId::BandMismatch);
}

TEST_F(ConversationTest, RepliesCountOnlyWhenExactlyRight) {
    link.Start(Mode::Read);
    link.Receive(Bytes{0x06});
    EXPECT_EQ(link.Frames().back(), Bytes{0x02});
    // The tag may stand anywhere in the eight bytes, which count only once all are there. A
    // break drops the byte after it, not the older ones still waiting.
    link.Receive(Bytes{0x01, 0x02, 0x03, 0x4B, 0x56});
    EXPECT_EQ(link.Frames().size(), 2u);
    link.Break();
    link.Receive(Bytes{0x00, 0x44, 0x32, 0x37});
    ASSERT_EQ(link.Frames().size(), 3u);
    link.Receive(Bytes{0x06});
    EXPECT_EQ(link.Frames().back(), ReadRequest(0x10));
    Bytes answer = {0x57, 0x00, 0x10, 0x99};  // the fourth byte is not examined
    answer.resize(68, 0xAB);
    link.Receive(Bytes(answer.begin(), answer.begin() + 30));
    link.Receive(Bytes(answer.begin() + 30, answer.end()));
    EXPECT_EQ(link.Frames().back(), Bytes{0x06});
    link.Receive(Bytes{0x06});
    EXPECT_EQ(link.Frames().back(), ReadRequest(0x50));
    answer[0] = 0x52;  // the wrong marker, at the right length and address
    answer[2] = 0x50;
    link.Receive(answer);
    link.Run();
    EXPECT_EQ(link.Last(Action::Ended).outcome, Outcome::TimedOut);
    EXPECT_EQ(link.Frames().size(), 6u + 1) << "nothing but the final E";
    EXPECT_TRUE(link.All(Action::ReadComplete).empty());
}

// Every way a radio can go wrong ends alike: 3000 ms after the last frame the error shows,
// then the lock goes and "E" is sent. Nothing read is taken.
TEST_F(ConversationTest, EveryRadioFaultEndsInTheTimeOut) {
    struct Case {
        Mode mode;
        sim::Faults faults;
        bool noTag = false;
    };
    const Case cases[] = {
        {Mode::Read, {.silent = true}},
        {Mode::Read, {.stopAfterBlocks = 3}},
        {Mode::Write, {.stopAfterBlocks = 3}},
        {Mode::Read, {.wrongAddressBlock = 2}},
        {Mode::Read, {.garbageAck = 1}},  // for "PROGRAM"
        {Mode::Read, {.garbageAck = 6}},  // a ready byte
        {Mode::Write, {.garbageAck = 9}},
        {Mode::Read, {.extraByteReply = 2}},  // a nine-byte identification
        {Mode::Read, {.extraByteReply = 6}},  // behind a read block
        {Mode::Write, {.extraByteReply = 20}},
        {Mode::Read, {}, true},  // an identification without the tag
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        RadioState p = test::StartupState(kEnglish);
        VirtualLink l(p);
        MemoryImage image = EncodeImageBytes(test::StartupState());
        image[0x1A8] = c.noTag ? 'X' : image[0x1A8];
        l.radio.emplace(image, std::nullopt, c.faults);
        l.Start(c.mode);
        l.Run();
        const auto sent = l.All(Action::SendFrame);
        ASSERT_GE(sent.size(), 2u);
        const std::string at = " @" + std::to_string(sent[sent.size() - 2].first + 3000);
        std::vector<std::string> tail;
        for (auto it = l.log.end() - 8; it != l.log.end(); ++it) {
            tail.push_back(link::Describe(it->second) + " @" + std::to_string(it->first));
        }
        EXPECT_EQ(
            tail,
            (std::vector<std::string>{
                "StopReplyTimer" + at, "SetStatusVisible hidden" + at, "StopBlinkTimer" + at,
                "ShowMessage \"Communication error, please check the intercom model, "
                "fault, attachment and computer serial choice!\"" +
                    at,
                "Release" + at, "HideProgress" + at, "SendFrame 45" + at, "Ended TimedOut" + at}));
        EXPECT_EQ(l.Last(Action::ShowMessage).style, link::MessageStyle::kCritical);
        EXPECT_TRUE(l.All(Action::ReadComplete).empty());
        EXPECT_TRUE(l.quiet());
    }
}

// Random event scripts; besides keeping every rule, the runs must reach the ends of whole
// reads and writes, not just their first steps.
TEST(ConversationPropertyTest, RandomEventsKeepEveryRule) {
    std::mt19937 random(2024);
    int reads = 0, writes = 0, ended = 0;
    for (int run = 0; run < 10000; ++run) {
        std::vector<std::uint8_t> script(random() % 600);
        for (auto& b : script) {
            b = static_cast<std::uint8_t>(random());
        }
        test::ConversationScript play(script);
        const std::vector<std::string> broken = play.Run();
        ASSERT_TRUE(broken.empty()) << "run " << run << ": " << broken.front();
        reads += play.readsCompleted();
        writes += play.writesCompleted();
        ended += play.conversationsEnded();
    }
    EXPECT_GT(reads, 60);
    EXPECT_GT(writes, 30);
    EXPECT_GT(ended, 10000);
}

}  // namespace
}  // namespace kvd

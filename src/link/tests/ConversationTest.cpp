#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "../../image/tests/TestStates.h"
#include "ConversationScript.h"
#include "channels/BandTable.h"
#include "image/ImageCodec.h"
#include "sim/RadioSide.h"
#include "texts/TextIds.h"

namespace kvd {
namespace {

using link::Action;
using link::Mode;
using link::Outcome;
using Bytes = std::vector<std::uint8_t>;
using Script = test::ConversationScript;

Bytes ReadRequest(unsigned address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            0x40};
}

// The result stays on the status line; six blink ticks after the final "E" (1.0 to 1.2 s)
// the lock goes with everything else the conversation showed. No rule was broken, no error shown.
void ExpectEndedNormally(const Script& s, Outcome outcome, TextId result) {
    EXPECT_EQ(s.violations, std::vector<std::string>());
    EXPECT_TRUE(s.All(Action::ShowMessage).empty());
    ASSERT_EQ(s.All(Action::Ended).size(), 1u);
    EXPECT_EQ(s.Last(Action::Ended).outcome, outcome);
    EXPECT_EQ(s.Frames().back(), Bytes{0x45});
    EXPECT_EQ(s.Last(Action::SetStatusText).text, result);
    const std::int64_t blinking =
        s.LastEntry(Action::Release).first - s.LastEntry(Action::SendFrame).first;
    EXPECT_TRUE(blinking >= 1000 && blinking <= 1200) << blinking;
    EXPECT_TRUE(s.quiet());
}

// Replies whole or in pieces of any size. The band comes from the identification's code; a
// code not in the table leaves the band of the read before.
TEST(ConversationTest, ReadTakesTheRadiosMemoryAndBand) {
    std::vector<Bytes> frames = {{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x00}, {0x02}, {0x06}};
    for (unsigned address = 0x10; address < 0x410; address += 64) {
        frames.insert(frames.end(), {ReadRequest(address), {0x06}});
    }
    frames.push_back({0x45});
    std::mt19937 random(7);
    Script s;
    for (auto [code, band, piece] :
         {std::tuple{0x01, 5, 0u}, {0x33, 0, 1u}, {0x21, 1, 3u}, {0x73, 6, 64u}, {0x22, 6, 7u}}) {
        SCOPED_TRACE(code);
        RadioState radio = test::RandomValidState(random);
        radio.band.TakeBand(band);
        s.log.clear();
        s.program.flags.Language = radio.flags.Language;
        s.program.band.TakeBand(3);  // the band is the radio's, whatever the program had
        s.radio.emplace(EncodeImage(radio), static_cast<std::uint8_t>(code));
        s.piece = piece;
        s.Start(Mode::Read);
        s.Finish();
        test::ExpectSameImageContent(radio, s.program);
        EXPECT_EQ(s.log.front().second.kind, Action::SuppressBandPrompt);
        EXPECT_EQ(s.Frames(), frames);
        EXPECT_EQ(s.Last(Action::SetProgress).value, 425);
        ExpectEndedNormally(s, Outcome::ReadDone, TextIds::link::readSuccess);
    }
}

// The second write goes to a radio on another band and is answered Yes: the question comes
// once, and the stray byte and stale tick that come while it is open count for nothing. (The
// answer No is the command line's and the window's tests.)
TEST(ConversationTest, WritesFortySixBlocksOrFortySevenWithDebugAccess) {
    for (bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        Script s;
        s.program.band.TakeBand(2);
        s.program.flags.DebugAccess = debug;
        s.radio.emplace(EncodeImage(s.program), BandTable::At(debug ? 0 : 2).code);
        s.Start(Mode::Write);
        s.Finish();
        ExpectEndedNormally(s, Outcome::WriteDone, TextIds::link::writeSuccess);
        EXPECT_EQ(s.Frames()[0], Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
        std::vector<std::uint16_t> blocks;
        for (std::uint16_t a = 0x10; a < 0x360; a += 16) {
            if (a < 0x180 || (debug && a == 0x180) || a >= 0x200) {
                blocks.push_back(a);
            }
            if (a == 0x1B0) {
                blocks.push_back(0x1B8);  // the block with the identification and the band
            }
        }
        EXPECT_EQ(s.radio->session().writtenAddresses, blocks);
        EXPECT_EQ(s.All(Action::SetProgress).size(), 46u) << "acks after the 46th add nothing";
        EXPECT_EQ(s.Last(Action::SetProgress).value, 460);
        const std::vector<Script::Entry> asked = s.All(Action::AskBandQuestion);
        ASSERT_EQ(asked.size(), debug ? 1u : 0u);
        EXPECT_TRUE(!debug || asked[0].second.style ==
                                  (MessageBoxStyle::kInformation | MessageBoxStyle::kYesNo));
    }
}

TEST(ConversationTest, RepliesCountOnlyWhenExactlyRight) {
    Script s;
    s.Start(Mode::Read);
    s.Receive(Bytes{0x06});
    EXPECT_EQ(s.Frames().back(), Bytes{0x02});
    // The tag may stand anywhere in the eight bytes, which count only once all are there. A
    // break drops the byte after it, not the older ones still waiting.
    s.Receive(Bytes{0x01, 0x02, 0x03, 0x4B, 0x56});
    EXPECT_EQ(s.Frames().size(), 2u);
    s.Break();
    s.Receive(Bytes{0x00, 0x44, 0x32, 0x37});
    ASSERT_EQ(s.Frames().size(), 3u);
    s.Receive(Bytes{0x06});
    EXPECT_EQ(s.Frames().back(), ReadRequest(0x10));
    Bytes answer = {0x57, 0x00, 0x10, 0x99};  // the fourth byte is not examined
    answer.resize(68, 0xAB);
    s.Receive(Bytes(answer.begin(), answer.begin() + 30));
    s.Receive(Bytes(answer.begin() + 30, answer.end()));
    EXPECT_EQ(s.Frames().back(), Bytes{0x06});
    s.Receive(Bytes{0x06});
    EXPECT_EQ(s.Frames().back(), ReadRequest(0x50));
    answer[0] = 0x52;  // the wrong marker, at the right length and address
    answer[2] = 0x50;
    s.Receive(answer);
    s.Finish();
    EXPECT_EQ(s.Last(Action::Ended).outcome, Outcome::TimedOut);
    EXPECT_EQ(s.Frames().size(), 6u + 1) << "nothing but the final E";
    EXPECT_TRUE(s.All(Action::ReadComplete).empty());
}

// Ctrl+C on the command line: "E" goes at once, so the radio leaves programming mode; the
// tool says itself what happened. Once "E" is sent there is nothing left to stop.
TEST(ConversationTest, AnInterruptionEndsWithTheEndByteAndNoMessage) {
    Script s;
    s.Start(Mode::Read);
    s.Receive(Bytes{0x06});
    s.Receive(Bytes{0x01, 0x02, 0x03, 0x4B, 0x56, 0x44, 0x32, 0x37});
    s.Receive(Bytes{0x06});
    ASSERT_EQ(s.Frames().back(), ReadRequest(0x10));
    s.Interrupt();
    EXPECT_EQ(s.Frames().back(), Bytes{0x45});
    EXPECT_EQ(s.Last(Action::Ended).outcome, Outcome::Interrupted);
    EXPECT_TRUE(s.All(Action::ShowMessage).empty());
    EXPECT_TRUE(s.quiet()) << "timers, lock, status and progress all gone";
    const std::size_t frames = s.Frames().size();
    s.Interrupt();
    s.Receive(Bytes(68, 0x57));
    s.Finish();
    EXPECT_EQ(s.Frames().size(), frames);
    EXPECT_EQ(s.All(Action::Ended).size(), 1u);
    EXPECT_TRUE(s.All(Action::ReadComplete).empty());
    EXPECT_EQ(s.violations, std::vector<std::string>());
}

// Every way a radio can go wrong ends alike: 3000 ms after the last frame the error shows,
// then the lock goes and "E" is sent. Nothing read is taken.
TEST(ConversationTest, EveryRadioFaultEndsInTheTimeOut) {
    const std::tuple<Mode, sim::Faults, bool> cases[] = {
        {Mode::Read, {.silent = true}, false},
        {Mode::Read, {.stopAfterBlocks = 3}, false},
        {Mode::Write, {.stopAfterBlocks = 3}, false},
        {Mode::Read, {.wrongAddressBlock = 2}, false},
        {Mode::Read, {.garbageAck = 1}, false},  // for "PROGRAM"
        {Mode::Read, {.garbageAck = 6}, false},  // a ready byte
        {Mode::Write, {.garbageAck = 9}, false},
        {Mode::Read, {.extraByteReply = 2}, false},  // a nine-byte identification
        {Mode::Read, {.extraByteReply = 6}, false},  // behind a read block
        {Mode::Write, {.extraByteReply = 20}, false},
        {Mode::Read, {}, true},  // an identification without the tag
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& [mode, faults, noTag] = cases[i];
        Script s;
        MemoryImage image = EncodeImage(s.program);
        image[0x1A8] = noTag ? 'X' : image[0x1A8];
        s.radio.emplace(image, std::nullopt, faults);
        s.Start(mode);
        s.Finish();
        EXPECT_EQ(s.violations, std::vector<std::string>());
        const auto sent = s.All(Action::SendFrame);
        ASSERT_GE(sent.size(), 2u);
        const std::int64_t at = sent[sent.size() - 2].first + 3000;
        std::vector<std::string> tail;
        for (auto it = s.log.end() - 8; it != s.log.end(); ++it) {
            tail.push_back(link::Describe(it->second) + (it->first == at ? "" : " late"));
        }
        EXPECT_EQ(tail, (std::vector<std::string>{
                            "StopReplyTimer", "SetStatusVisible hidden", "StopBlinkTimer",
                            "ShowMessage link.communicationError", "Release", "HideProgress",
                            "SendFrame 45", "Ended TimedOut"}));
        EXPECT_EQ(s.Last(Action::ShowMessage).style, MessageBoxStyle::kCritical);
        EXPECT_TRUE(s.All(Action::ReadComplete).empty());
        EXPECT_TRUE(s.quiet());
    }
}

// Random event scripts; besides keeping every rule, the runs must reach the ends of whole
// reads and writes, not just their first steps.
TEST(ConversationPropertyTest, RandomEventsKeepEveryRule) {
    std::mt19937 random(2024);
    int reads = 0, writes = 0, checked = 0, ended = 0;
    for (int run = 0; run < 10000; ++run) {
        std::vector<std::uint8_t> stream(random() % 600);
        std::generate(stream.begin(), stream.end(), [&] { return random(); });
        Script play(stream);
        const std::vector<std::string> broken = play.Run();
        ASSERT_TRUE(broken.empty()) << "run " << run << ": " << broken.front();
        reads += play.reads;
        writes += play.writes;
        checked += play.checked;
        ended += play.ended;
    }

    EXPECT_GT(reads, 60);
    EXPECT_GT(writes, 30);
    EXPECT_GT(checked, 50) << "writes with checks that came to their check";
    EXPECT_GT(ended, 10000);
}

}  // namespace
}  // namespace kvd

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "../../image/tests/TestStates.h"
#include "VirtualLink.h"
#include "channels/BandTable.h"
#include "image/ImageCodec.h"
#include "link/Wire.h"

namespace kvd {
namespace {

using link::Action;
using link::Mode;
using link::Outcome;
using link::TextId;
using Bytes = std::vector<std::uint8_t>;

const Bytes kAck = {0x06};
const Bytes kEnd = {0x45};

sim::RadioSide RadioWith(const RadioState& content, sim::Faults faults = {},
                         std::optional<std::uint8_t> bandCode = std::nullopt) {
    return sim::RadioSide(EncodeImageBytes(content), bandCode, faults);
}

Bytes ReadRequest(std::uint16_t address) {
    return link::Wire::ReadRequest(address);
}

// The image text of the identification block with a given band code.
Bytes Identification(std::uint8_t bandCode) {
    return {0x4B, 0x56, 0x44, 0x32, 0x37, bandCode, 0xF8, 0xFF};
}

class ConversationTest : public ::testing::Test {
protected:
    RadioState program = test::StartupState(kEnglish);
    test::VirtualLink link{program};

    void ExpectFailedByTimeout() {
        ASSERT_EQ(link.outcome, Outcome::TimedOut);
        ASSERT_FALSE(link.messages.empty());
        const auto& error = link.messages.back();
        EXPECT_EQ(error.text, TextId::CommunicationError);
        EXPECT_EQ(error.style, link::MessageStyle::kCritical);
        // Measured from the last frame before the final "E".
        ASSERT_GE(link.frames.size(), 2u);
        EXPECT_EQ(error.at, link.frames[link.frames.size() - 2].at + 3000);
        EXPECT_EQ(link.frames.back().bytes, kEnd);
        EXPECT_FALSE(link.locked);
        EXPECT_EQ(link.releasedAt, error.at);
        EXPECT_FALSE(link.conversation().progressVisible());
        EXPECT_FALSE(link.conversation().statusVisible());
        EXPECT_FALSE(link.conversation().blinkTimerRunning());
        EXPECT_FALSE(link.conversation().replyTimerRunning());
        EXPECT_EQ(link.readsApplied, 0);
    }

    // The order in which the time-out's steps were carried out.
    std::vector<Action::Kind> KindsAfterTimeout() const {
        std::vector<Action::Kind> kinds;
        for (const auto& [at, a] : link.performed) {
            if (at == link.messages.back().at) {
                kinds.push_back(a.kind);
            }
        }
        return kinds;
    }
};

TEST_F(ConversationTest, ReadTakesTheRadiosMemoryAndBand) {
    std::mt19937 random(7);
    RadioState radio = test::RandomValidState(random);
    radio.band.TakeBand(5);
    program = test::StartupState(radio.flags.Language);
    program.flags.DebugAccess = 1;
    link.connect(RadioWith(radio));

    link.Start(Mode::Read);
    link.runToEnd();

    ASSERT_EQ(link.outcome, Outcome::ReadDone);
    EXPECT_EQ(link.readsApplied, 1);
    test::ExpectSameImageContent(radio, program);
    EXPECT_EQ(program.band.position(), 5);
    EXPECT_EQ(program.band.CurrentBand, 5);
    EXPECT_TRUE(program.band.SuppressBandPrompt);
    EXPECT_EQ(program.flags.DebugAccess, 0);
    EXPECT_TRUE(link.messages.empty());

    // "PROGRAM"+00, 02, 06, then sixteen requests each followed by 06, then "E".
    ASSERT_EQ(link.frames.size(), 3u + 16 * 2 + 1);
    EXPECT_EQ(link.frames[0].bytes, Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x00}));
    EXPECT_EQ(link.frames[1].bytes, Bytes({0x02}));
    EXPECT_EQ(link.frames[2].bytes, kAck);
    for (int block = 0; block < 16; ++block) {
        EXPECT_EQ(link.frames[3 + 2 * block].bytes,
                  ReadRequest(static_cast<std::uint16_t>(0x10 + 64 * block)));
        EXPECT_EQ(link.frames[4 + 2 * block].bytes, kAck);
    }
    EXPECT_EQ(link.frames.back().bytes, kEnd);
    EXPECT_EQ(link.maxProgress, 425);
    EXPECT_FALSE(link.conversation().progressVisible());
}

TEST_F(ConversationTest, ReadEndsWithBlinkingSuccessAndReleasesAfterSixTicks) {
    link.connect(RadioWith(test::StartupState()));
    link.Start(Mode::Read);
    EXPECT_TRUE(link.locked);
    ASSERT_EQ(link.performed.front().second.kind, Action::SuppressBandPrompt);
    link.runToEnd();

    const std::int64_t endSent = link.frames.back().at;
    EXPECT_GE(link.releasedAt - endSent, 1000);
    EXPECT_LE(link.releasedAt - endSent, 1200);
    std::vector<std::int64_t> ticks = link.timesOf(Action::SetStatusVisible);
    EXPECT_EQ(
        std::count_if(ticks.begin(), ticks.end(), [&](std::int64_t t) { return t >= endSent; }),
        6 + 1)
        << "six toggles and the final hide";
    std::vector<std::int64_t> texts = link.timesOf(Action::SetStatusText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(link.performed.back().second.kind, Action::Release);
    EXPECT_FALSE(link.conversation().blinkTimerRunning());
    EXPECT_FALSE(link.conversation().statusVisible());
}

TEST_F(ConversationTest, ProgressAndLockActionsOfARead) {
    link.connect(RadioWith(test::StartupState()));
    link.Start(Mode::Read);
    link.runToEnd();
    std::vector<int> values;
    TextId lastText = TextId::Communicating;
    for (const auto& [at, a] : link.performed) {
        if (a.kind == Action::SetProgress) {
            values.push_back(a.value);
        }
        if (a.kind == Action::SetStatusText) {
            lastText = a.text;
        }
        if (a.kind == Action::Lock) {
            EXPECT_EQ(a.mode, Mode::Read);
        }
    }
    ASSERT_EQ(values.size(), 17u);
    EXPECT_EQ(values.front(), 25);
    EXPECT_EQ(values.back(), 425);
    EXPECT_EQ(lastText, TextId::ReadSuccess);
}

class WriteTest : public ConversationTest {
protected:
    RadioState content;
    sim::RadioSide::Memory before{};

    void SetUp() override {
        std::mt19937 random(11);
        content = test::RandomValidState(random);
        content.band.TakeBand(2);
        program = content;
        RadioState old = test::StartupState();
        old.band.TakeBand(2);
        old.settings.HighPowerLevel = 17;  // the calibration the radio already holds
        link.connect(RadioWith(old));
    }

    // 23 blocks from 0x0010, the calibration block with debug access, the block with the
    // identification at 0x01B8, then 22 blocks from 0x0200.
    static std::vector<std::uint16_t> ExpectedAddresses(bool debug) {
        std::vector<std::uint16_t> addresses;
        auto blocks = [&](unsigned first, int count) {
            for (int i = 0; i < count; ++i) {
                addresses.push_back(static_cast<std::uint16_t>(first + 16 * i));
            }
        };
        blocks(0x0010, 23);
        blocks(0x0180, debug ? 1 : 0);
        blocks(0x01B8, 1);
        blocks(0x0200, 22);
        return addresses;
    }
};

TEST_F(WriteTest, WritesFortySixBlocksWithoutDebugAccess) {
    link.Start(Mode::Write);
    link.runToEnd();

    ASSERT_EQ(link.outcome, Outcome::WriteDone);
    EXPECT_EQ(link.frames[0].bytes, Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    std::vector<std::uint16_t> sent = link.writtenAddresses();
    EXPECT_EQ(sent.size(), 46u);
    EXPECT_EQ(sent, ExpectedAddresses(false));
    EXPECT_EQ(link.radio().session().writtenAddresses, sent);
    EXPECT_EQ(link.maxProgress, 460);
    EXPECT_TRUE(link.messages.empty());

    MemoryImage expected = EncodeImageBytes(content);
    MemoryImage written = link.radio().image();
    for (std::size_t k = 0; k < expected.size(); ++k) {
        if (link::Wire::IsWritable(static_cast<std::uint16_t>(0x10 + k), false)) {
            ASSERT_EQ(written[k], expected[k]) << "image offset " << k;
        }
    }
    EXPECT_EQ(written[0x173], 17) << "the calibration block stays as the radio had it";
    EXPECT_FALSE(link.locked);
}

TEST_F(WriteTest, DebugAccessAddsTheCalibrationBlock) {
    program.flags.DebugAccess = 1;
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::WriteDone);
    std::vector<std::uint16_t> sent = link.writtenAddresses();
    EXPECT_EQ(sent.size(), 47u);
    EXPECT_EQ(sent, ExpectedAddresses(true));
    EXPECT_EQ(link.radio().image()[0x173], program.settings.HighPowerLevel);
    EXPECT_EQ(link.maxProgress, 460) << "the 47th and 48th acknowledgements add nothing";
}

TEST_F(WriteTest, BlockFramesCarryTheEncodedImage) {
    link.Start(Mode::Write);
    link.runToEnd();
    MemoryImage image = EncodeImageBytes(content);
    for (const auto& f : link.frames) {
        if (f.bytes.size() != 20) {
            continue;
        }
        std::uint16_t address = static_cast<std::uint16_t>(f.bytes[1] << 8 | f.bytes[2]);
        EXPECT_EQ(f.bytes[0], 'W');
        EXPECT_EQ(f.bytes[3], 0x10);
        EXPECT_TRUE(
            std::equal(f.bytes.begin() + 4, f.bytes.end(), image.begin() + (address - 0x10)));
    }
}

TEST_F(WriteTest, BandMismatchAskedOnceAndYesWritesEverything) {
    program.band.TakeBand(5);  // the radio says band 2
    link.bandAnswer = true;
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.messages.size(), 1u);
    EXPECT_EQ(link.messages[0].text, TextId::BandMismatch);
    EXPECT_EQ(link.messages[0].style,
              link::MessageStyle::kInformation | link::MessageStyle::kYesNo);
    EXPECT_EQ(link.outcome, Outcome::WriteDone);
    EXPECT_EQ(link.writtenAddresses().size(), 46u);
    EXPECT_EQ(link.conversation().radioBand(), 5);
    EXPECT_EQ(link.radio().image()[0x1AD], BandTable::At(5).code)
        << "the program's band is written";
}

TEST_F(WriteTest, BandMismatchNoEndsBeforeAnyBlock) {
    program.band.TakeBand(5);
    link.bandAnswer = false;
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::BandDeclined);
    EXPECT_TRUE(link.writtenAddresses().empty());
    EXPECT_EQ(link.frames.back().bytes, kEnd);
    EXPECT_EQ(link.frames.size(), 4u) << "PROGRAM, 02, 06, E";
    TextId last = TextId::Communicating;
    for (const auto& [at, a] : link.performed) {
        if (a.kind == Action::SetStatusText) {
            last = a.text;
        }
    }
    EXPECT_EQ(last, TextId::BandMismatch);
    EXPECT_FALSE(link.conversation().progressVisible());
    EXPECT_GE(link.releasedAt - link.frames.back().at, 1000);
    EXPECT_LE(link.releasedAt - link.frames.back().at, 1200);
}

TEST_F(WriteTest, NoTimeOutWhileTheBandQuestionIsOpen) {
    // Bytes and stale timer ticks while the question waits change nothing.
    program.band.TakeBand(5);
    link::Conversation c(link::HooksFor(program));
    sim::RadioSide radio = RadioWith(test::StartupState());
    // Every frame goes to the radio at once and its reply comes straight back.
    std::function<void(const link::Actions&)> feed = [&](const link::Actions& actions) {
        for (const Action& a : actions) {
            if (a.kind == Action::SendFrame) {
                if (Bytes reply = radio.Receive(a.frame); !reply.empty()) {
                    feed(c.Receive(reply));
                }
            }
        }
    };
    feed(c.Start(Mode::Write, true));
    ASSERT_TRUE(c.awaitingBandAnswer());
    EXPECT_FALSE(c.replyTimerRunning());
    EXPECT_TRUE(c.ReplyTimerExpired().empty());
    EXPECT_TRUE(c.Receive(kAck).empty());
    EXPECT_TRUE(c.awaitingBandAnswer());
    link::Actions yes = c.AnswerBandQuestion(true);
    ASSERT_FALSE(yes.empty());
    EXPECT_EQ(yes[0].kind, Action::SendFrame);
    EXPECT_EQ(yes[0].frame[1] << 8 | yes[0].frame[2], 0x10);
    EXPECT_TRUE(c.AnswerBandQuestion(true).empty()) << "a second answer is no answer";
}

TEST_F(ConversationTest, BandCodesOfTheIdentification) {
    struct Case {
        std::uint8_t code;
        int expected;
    };
    for (Case c : {Case{0x33, 0}, Case{0x21, 1}, Case{0x01, 5}, Case{0x73, 6}, Case{0x22, 3}}) {
        RadioState p = test::StartupState(kEnglish);
        test::VirtualLink l(p);
        // A first read leaves RadioBand at 3; the second meets the code under test.
        l.connect(RadioWith(test::StartupState(), {}, std::uint8_t{0x63}));
        l.Start(Mode::Read);
        l.runToEnd();
        l.connect(RadioWith(test::StartupState(), {}, c.code));
        l.Start(Mode::Read);
        l.runToEnd();
        ASSERT_EQ(l.outcome, Outcome::ReadDone);
        EXPECT_EQ(l.conversation().radioBand(), c.expected) << std::hex << int(c.code);
        EXPECT_EQ(p.band.position(), c.expected);
        EXPECT_EQ(p.band.CurrentBand, c.expected);
    }
}

TEST_F(ConversationTest, FragmentedRepliesAreAssembled) {
    for (std::size_t piece : {1u, 3u, 7u, 64u}) {
        RadioState p = test::StartupState(kEnglish);
        test::VirtualLink l(p);
        std::mt19937 random(static_cast<unsigned>(piece));
        RadioState radio = test::RandomValidState(random);
        p.flags.Language = radio.flags.Language;
        l.connect(RadioWith(radio));
        l.chunkSize = piece;
        l.Start(Mode::Read);
        l.runToEnd();
        ASSERT_EQ(l.outcome, Outcome::ReadDone) << piece;
        test::ExpectSameImageContent(radio, p);

        l.Start(Mode::Write);
        l.runToEnd();
        EXPECT_EQ(l.outcome, Outcome::WriteDone) << piece;
    }
}

TEST_F(ConversationTest, IdentificationAcceptedOnItsSixteenthDigitOnly) {
    link.Start(Mode::Read);
    link.inject(kAck);
    ASSERT_EQ(link.frames.back().bytes, Bytes({0x02}));
    Bytes id = Identification(0x21);
    link.inject(Bytes(id.begin(), id.begin() + 5));
    link.inject(Bytes(id.begin() + 5, id.begin() + 7));
    EXPECT_EQ(link.frames.size(), 2u);
    link.inject(Bytes(id.begin() + 7, id.end()));
    EXPECT_EQ(link.frames.back().bytes, kAck);
    EXPECT_EQ(link.conversation().radioBand(), 1);
}

TEST_F(ConversationTest, IdentificationTagMayStandAnywhereInTheEightBytes) {
    link.Start(Mode::Read);
    link.inject(kAck);
    link.inject({0x01, 0x02, 0x03, 0x4B, 0x56, 0x44, 0x32, 0x37});
    EXPECT_EQ(link.frames.back().bytes, kAck);
    EXPECT_EQ(link.conversation().radioBand(), 0) << "the sixth byte 0x44 is no band code";
}

TEST_F(ConversationTest, NineByteIdentificationTimesOut) {
    link.Start(Mode::Read);
    link.inject(kAck);
    Bytes id = Identification(0x33);
    id.push_back(0x00);
    link.inject(id);
    link.runToEnd();
    ExpectFailedByTimeout();
}

TEST_F(ConversationTest, TimeOutStepsRunInOrderWithTheMessageBeforeTheRelease) {
    link.Start(Mode::Read);  // nothing at the other end
    link.runToEnd();
    ExpectFailedByTimeout();
    EXPECT_EQ(link.messages.back().at, 3000);
    EXPECT_EQ(link.frames.size(), 2u) << "PROGRAM, then E";
    // Performed actions: everything but the message itself and the frame.
    std::vector<Action::Kind> kinds = KindsAfterTimeout();
    std::vector<Action::Kind> expected = {Action::StopReplyTimer, Action::SetStatusVisible,
                                          Action::StopBlinkTimer, Action::Release,
                                          Action::HideProgress,   Action::Ended};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(link.frames.back().at, 3000);
}

struct FaultCase {
    const char* name;
    Mode mode;
    sim::Faults faults;
};

class FaultTest : public ConversationTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, EndsInTheTimeOutWithTheLockReleased) {
    RadioState before = program;
    link.connect(RadioWith(test::StartupState(), GetParam().faults));
    link.Start(GetParam().mode);
    link.runToEnd();
    ExpectFailedByTimeout();
    if (GetParam().mode == Mode::Read) {
        EXPECT_TRUE(program.table == before.table) << "nothing read is decoded";
    }
}

INSTANTIATE_TEST_SUITE_P(
    RadioFaults, FaultTest,
    ::testing::Values(FaultCase{"SilentRead", Mode::Read, {.silent = true}},
                      FaultCase{"SilentWrite", Mode::Write, {.silent = true}},
                      FaultCase{"ReadStopsAfterThreeBlocks", Mode::Read, {.stopAfterBlocks = 3}},
                      FaultCase{"WriteStopsAfterThreeBlocks", Mode::Write, {.stopAfterBlocks = 3}},
                      FaultCase{"WrongBlockAddress", Mode::Read, {.wrongAddressBlock = 2}},
                      FaultCase{"GarbageForTheFirstAck", Mode::Read, {.garbageAck = 1}},
                      FaultCase{"GarbageForAReadyByte", Mode::Read, {.garbageAck = 6}},
                      FaultCase{"GarbageForAWriteAck", Mode::Write, {.garbageAck = 9}},
                      FaultCase{"ExtraByteBehindTheAck", Mode::Write, {.extraByteReply = 1}},
                      FaultCase{
                          "ExtraByteBehindTheIdentification", Mode::Read, {.extraByteReply = 2}},
                      FaultCase{"ExtraByteBehindAReadBlock", Mode::Read, {.extraByteReply = 6}},
                      FaultCase{"ExtraByteBehindAWriteAck", Mode::Write, {.extraByteReply = 20}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConversationTest, IdentificationWithoutTheTagTimesOut) {
    RadioState radio = test::StartupState();
    MemoryImage image = EncodeImageBytes(radio);
    image[0x1A8] = 'X';
    link.connect(sim::RadioSide(image));
    link.Start(Mode::Read);
    link.runToEnd();
    ExpectFailedByTimeout();
}

TEST_F(ConversationTest, ReadBlockWithWrongLengthOrMarkerIsIgnored) {
    link.Start(Mode::Read);
    link.inject(kAck);
    link.inject(Identification(0x33));
    link.inject(kAck);
    ASSERT_EQ(link.frames.back().bytes, ReadRequest(0x10));
    Bytes answer = {0x57, 0x00, 0x10, 0x40};
    answer.resize(68, 0xAB);
    Bytes marker = answer;
    marker[0] = 0x52;
    link.inject(marker);
    EXPECT_EQ(link.frames.back().bytes, ReadRequest(0x10));
    link.runToEnd();
    ExpectFailedByTimeout();

    // The right answer in two pieces, with a fourth byte of any value, is taken.
    test::VirtualLink again(program);
    again.Start(Mode::Read);
    again.inject(kAck);
    again.inject(Identification(0x33));
    again.inject(kAck);
    answer[3] = 0x99;
    again.inject(Bytes(answer.begin(), answer.begin() + 30));
    again.inject(Bytes(answer.begin() + 30, answer.end()));
    EXPECT_EQ(again.frames.back().bytes, kAck);
}

TEST_F(ConversationTest, AckInPlaceOfAReadBlockIsNoBlock) {
    // A ready byte while the program waits for a block would skip a block of memory.
    link.Start(Mode::Read);
    link.inject(kAck);
    link.inject(Identification(0x33));
    link.inject(kAck);
    ASSERT_EQ(link.frames.back().bytes, ReadRequest(0x10));
    link.inject(kAck);
    EXPECT_EQ(link.frames.back().bytes, ReadRequest(0x10));
    link.runToEnd();
    ExpectFailedByTimeout();
}

TEST_F(ConversationTest, BreakDropsOnlyTheFirstByteAfterIt) {
    link.Start(Mode::Read);
    link.Break();
    link.inject({0x00, 0x06});
    EXPECT_EQ(link.frames.back().bytes, Bytes({0x02})) << "the 00 after the break was dropped";

    link.Break();
    link.inject({0x4B});  // dropped: the identification is still to come whole
    link.inject(Identification(0x01));
    EXPECT_EQ(link.frames.back().bytes, kAck);
    EXPECT_EQ(link.conversation().radioBand(), 5);
}

TEST_F(ConversationTest, WithoutABreakTheSameBytesAreNoReply) {
    link.Start(Mode::Read);
    link.inject({0x00, 0x06});
    EXPECT_EQ(link.frames.size(), 1u);
}

TEST_F(ConversationTest, BytesOutsideAConversationAreThrownAway) {
    link.connect(RadioWith(test::StartupState()));
    link.inject({0x06, 0x06});
    link.Start(Mode::Read);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::ReadDone);
    // After the final "E" and after a time-out, whatever comes is dropped too.
    link.inject({0x06});
    test::VirtualLink silent(program);
    silent.Start(Mode::Write);
    silent.runToEnd();
    silent.inject({0x06});
    silent.Start(Mode::Write);
    EXPECT_EQ(silent.frames.back().bytes, Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    silent.inject({0x06});
    EXPECT_EQ(silent.frames.back().bytes, Bytes({0x02})) << "only the new 06 counts";
}

TEST_F(ConversationTest, PortNotOpenShowsTheMessageAndLocksNothing) {
    link.portIsOpen = false;
    link.Start(Mode::Write);
    ASSERT_EQ(link.messages.size(), 1u);
    EXPECT_EQ(link.messages[0].text, TextId::PortNotOpen);
    EXPECT_EQ(link.messages[0].style, link::MessageStyle::kInformation);
    EXPECT_FALSE(link.locked);
    EXPECT_TRUE(link.frames.empty());
    EXPECT_EQ(link.outcome, Outcome::PortNotOpen);
    EXPECT_TRUE(link.timesOf(Action::Lock).empty());
}

TEST_F(ConversationTest, PortGoneMidConversationEndsCleanly) {
    link.connect(RadioWith(test::StartupState()));
    link.Start(Mode::Read);
    link.advance(30);  // a few blocks
    ASSERT_GT(link.frames.size(), 4u);
    const std::size_t written = link.frames.size();
    link.portIsOpen = false;
    link.runToEnd();
    EXPECT_EQ(link.outcome, Outcome::TimedOut);
    EXPECT_EQ(link.frames.size(), written) << "not even the final E is written";
    EXPECT_FALSE(link.locked);
    EXPECT_EQ(link.readsApplied, 0);
}

TEST_F(ConversationTest, FailedWriteEndsTheConversationAtOnce) {
    link.connect(RadioWith(test::StartupState()));
    link.failingFrame = 4;
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::WriteFailed);
    ASSERT_EQ(link.messages.size(), 1u);
    EXPECT_EQ(link.messages[0].text, TextId::CommunicationError);
    EXPECT_LT(link.messages[0].at, 100) << "no waiting for the reply time-out";
    EXPECT_FALSE(link.locked);
    EXPECT_EQ(link.frames.back().bytes, kEnd);
    EXPECT_FALSE(link.conversation().replyTimerRunning());
}

TEST_F(ConversationTest, SecondStartWhileLockedIsRefused) {
    link.connect(RadioWith(test::StartupState()));
    link.Start(Mode::Read);
    link.advance(10);
    const std::size_t frames = link.frames.size();
    link.Start(Mode::Write);
    EXPECT_EQ(link.frames.size(), frames);
    EXPECT_EQ(link.timesOf(Action::Lock).size(), 1u);
    link.runToEnd();
    EXPECT_EQ(link.outcome, Outcome::ReadDone);
}

TEST_F(ConversationTest, StaleTimerTicksDoNothing) {
    link::Conversation c(link::HooksFor(program));
    EXPECT_TRUE(c.ReplyTimerExpired().empty());
    EXPECT_TRUE(c.BlinkTick().empty());
    EXPECT_TRUE(c.PortWriteFailed().empty());
    EXPECT_TRUE(c.AnswerBandQuestion(false).empty());
}

TEST_F(ConversationTest, ReadAfterAFailedReadStartsAfresh) {
    link.connect(RadioWith(test::StartupState(), {.stopAfterBlocks = 5}));
    link.Start(Mode::Read);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::TimedOut);
    link.connect(RadioWith(test::StartupState()));
    link.Start(Mode::Read);
    link.runToEnd();
    EXPECT_EQ(link.outcome, Outcome::ReadDone);
    EXPECT_EQ(link.readsApplied, 1);
}

}  // namespace
}  // namespace kvd

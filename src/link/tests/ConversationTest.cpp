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
const Bytes kIdentify = {0x02};

sim::RadioSide RadioWith(const RadioState& content, sim::Faults faults = {},
                         std::optional<std::uint8_t> bandCode = std::nullopt) {
    return sim::RadioSide(EncodeImageBytes(content), bandCode, faults);
}

Bytes Identification(std::uint8_t bandCode) {
    return {0x4B, 0x56, 0x44, 0x32, 0x37, bandCode, 0xF8, 0xFF};
}

class ConversationTest : public ::testing::Test {
protected:
    RadioState program = test::StartupState(kEnglish);
    test::VirtualLink link{program};

    // Brings a read without a radio to its first block request, answering by hand.
    void ReadUpToTheFirstRequest() {
        link.Start(Mode::Read);
        link.inject(kAck);
        link.inject(Identification(0x33));
        link.inject(kAck);
        ASSERT_EQ(link.frames.back().bytes, link::Wire::ReadRequest(0x10));
    }

    TextId LastStatusText() const {
        TextId last = TextId::Communicating;
        for (const auto& [at, a] : link.performed) {
            last = a.kind == Action::SetStatusText ? a.text : last;
        }
        return last;
    }

    // The lock goes six blink ticks after the final "E": between 1.0 and 1.2 s.
    void ExpectReleasedAfterBlinking() {
        EXPECT_FALSE(link.locked);
        EXPECT_GE(link.releasedAt - link.frames.back().at, 1000);
        EXPECT_LE(link.releasedAt - link.frames.back().at, 1200);
        EXPECT_FALSE(link.conversation().blinkTimerRunning());
        EXPECT_FALSE(link.conversation().statusVisible());
        EXPECT_FALSE(link.conversation().progressVisible());
    }

    void ExpectFailedByTimeout() {
        ASSERT_EQ(link.outcome, Outcome::TimedOut);
        ASSERT_FALSE(link.messages.empty());
        const auto& error = link.messages.back();
        EXPECT_EQ(error.text, TextId::CommunicationError);
        EXPECT_EQ(error.style, link::MessageStyle::kCritical);
        ASSERT_GE(link.frames.size(), 2u);
        EXPECT_EQ(error.at, link.frames[link.frames.size() - 2].at + 3000)
            << "3000 ms after the last frame";
        EXPECT_EQ(link.frames.back().bytes, kEnd);
        EXPECT_FALSE(link.locked);
        EXPECT_EQ(link.releasedAt, error.at);
        EXPECT_FALSE(link.conversation().progressVisible());
        EXPECT_FALSE(link.conversation().statusVisible());
        EXPECT_FALSE(link.conversation().blinkTimerRunning());
        EXPECT_FALSE(link.conversation().replyTimerRunning());
        EXPECT_EQ(link.readsApplied, 0);
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
    EXPECT_EQ(link.performed.front().second.kind, Action::SuppressBandPrompt);
    link.runToEnd();

    ASSERT_EQ(link.outcome, Outcome::ReadDone);
    EXPECT_EQ(link.readsApplied, 1);
    test::ExpectSameImageContent(radio, program);
    EXPECT_EQ(program.band.CurrentBand, 5);
    EXPECT_EQ(program.flags.DebugAccess, 0);
    EXPECT_TRUE(link.messages.empty());
    // "PROGRAM"+00, 02, 06, then sixteen requests each followed by 06, then "E".
    ASSERT_EQ(link.frames.size(), 3u + 16 * 2 + 1);
    EXPECT_EQ(link.frames[0].bytes, Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x00}));
    EXPECT_EQ(link.frames[1].bytes, kIdentify);
    for (int block = 0; block < 16; ++block) {
        EXPECT_EQ(link.frames[3 + 2 * block].bytes,
                  link::Wire::ReadRequest(static_cast<std::uint16_t>(0x10 + 64 * block)));
        EXPECT_EQ(link.frames[4 + 2 * block].bytes, kAck);
    }
    EXPECT_EQ(link.frames.back().bytes, kEnd);
    EXPECT_EQ(link.maxProgress, 425);
    EXPECT_EQ(LastStatusText(), TextId::ReadSuccess);
    ExpectReleasedAfterBlinking();
}

class WriteTest : public ConversationTest {
protected:
    RadioState content;

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

TEST_F(WriteTest, SendsTheEncodedImageInFortySixBlocks) {
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::WriteDone);
    EXPECT_EQ(link.frames[0].bytes, Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    EXPECT_EQ(link.writtenAddresses(), ExpectedAddresses(false));
    MemoryImage image = EncodeImageBytes(content);
    for (const auto& f : link.frames) {
        if (f.bytes.size() == 20) {
            const int address = f.bytes[1] << 8 | f.bytes[2];
            EXPECT_EQ(f.bytes[3], 0x10);
            EXPECT_TRUE(
                std::equal(f.bytes.begin() + 4, f.bytes.end(), image.begin() + (address - 0x10)));
        }
    }
    EXPECT_EQ(link.radio().image()[0x173], 17) << "the calibration block stays as the radio had it";
    EXPECT_EQ(link.maxProgress, 460);
    EXPECT_EQ(LastStatusText(), TextId::WriteSuccess);
    EXPECT_TRUE(link.messages.empty());
    ExpectReleasedAfterBlinking();
}

TEST_F(WriteTest, DebugAccessAddsTheCalibrationBlock) {
    program.flags.DebugAccess = 1;
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::WriteDone);
    EXPECT_EQ(link.writtenAddresses(), ExpectedAddresses(true));
    EXPECT_EQ(link.radio().image()[0x173], program.settings.HighPowerLevel);
    EXPECT_EQ(link.maxProgress, 460) << "the acknowledgements after the 46th add nothing";
}

TEST_F(WriteTest, BandMismatchIsAskedOnce) {
    program.band.TakeBand(5);  // the radio says band 2
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.messages.size(), 1u);
    EXPECT_EQ(link.messages[0].text, TextId::BandMismatch);
    EXPECT_EQ(link.messages[0].style,
              link::MessageStyle::kInformation | link::MessageStyle::kYesNo);
    EXPECT_EQ(link.outcome, Outcome::WriteDone);
    EXPECT_EQ(link.writtenAddresses().size(), 46u);
    EXPECT_EQ(link.radio().image()[0x1AD], BandTable::At(5).code)
        << "the program's band is written";
}

TEST_F(WriteTest, BandMismatchAnsweredNoEndsBeforeAnyBlock) {
    program.band.TakeBand(5);
    link.bandAnswer = false;
    link.Start(Mode::Write);
    link.runToEnd();
    ASSERT_EQ(link.outcome, Outcome::BandDeclined);
    EXPECT_EQ(link.frames.size(), 4u) << "PROGRAM, 02, 06, E";
    EXPECT_EQ(link.frames.back().bytes, kEnd);
    EXPECT_EQ(LastStatusText(), TextId::BandMismatch);
    ExpectReleasedAfterBlinking();
}

TEST_F(WriteTest, NothingTimesOutWhileTheBandQuestionIsOpen) {
    program.band.TakeBand(5);
    link::Conversation c(link::HooksFor(program));
    sim::RadioSide radio = RadioWith(test::StartupState());
    std::function<void(const link::Actions&)> feed = [&](const link::Actions& actions) {
        for (const Action& a : actions) {
            if (Bytes reply = a.kind == Action::SendFrame ? radio.Receive(a.frame) : Bytes();
                !reply.empty()) {
                feed(c.Receive(reply));
            }
        }
    };
    feed(c.Start(Mode::Write, true));
    ASSERT_TRUE(c.awaitingBandAnswer());
    EXPECT_FALSE(c.replyTimerRunning());
    EXPECT_TRUE(c.ReplyTimerExpired().empty());
    EXPECT_TRUE(c.Receive(kAck).empty());
    link::Actions yes = c.AnswerBandQuestion(true);
    ASSERT_FALSE(yes.empty());
    EXPECT_EQ(yes[0].frame, link::Wire::WriteBlock(0x10, EncodeImageBytes(program)));
    EXPECT_TRUE(c.AnswerBandQuestion(true).empty()) << "a second answer is no answer";
}

TEST_F(ConversationTest, BandCodesOfTheIdentification) {
    for (auto [code, expected] : {std::pair{0x33, 0}, {0x21, 1}, {0x01, 5}, {0x73, 6}, {0x22, 3}}) {
        RadioState p = test::StartupState(kEnglish);
        test::VirtualLink l(p);
        l.connect(RadioWith(test::StartupState(), {}, std::uint8_t{0x63}));  // leaves band 3
        l.Start(Mode::Read);
        l.runToEnd();
        l.connect(RadioWith(test::StartupState(), {}, static_cast<std::uint8_t>(code)));
        l.Start(Mode::Read);
        l.runToEnd();
        ASSERT_EQ(l.outcome, Outcome::ReadDone);
        EXPECT_EQ(l.conversation().radioBand(), expected) << std::hex << code;
        EXPECT_EQ(p.band.position(), expected);
    }
}

TEST_F(ConversationTest, FragmentedRepliesAreAssembled) {
    for (std::size_t piece : {1u, 3u, 7u, 64u}) {
        std::mt19937 random(static_cast<unsigned>(piece));
        RadioState radio = test::RandomValidState(random);
        RadioState p = test::StartupState(radio.flags.Language);
        test::VirtualLink l(p);
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

TEST_F(ConversationTest, IdentificationIsExactlyEightBytesWithTheTagAnywhere) {
    link.Start(Mode::Read);
    link.inject(kAck);
    Bytes id = Identification(0x21);
    link.inject(Bytes(id.begin(), id.begin() + 5));
    EXPECT_EQ(link.frames.size(), 2u) << "accepted only with its sixteenth digit";
    link.inject(Bytes(id.begin() + 5, id.end()));
    EXPECT_EQ(link.frames.back().bytes, kAck);
    EXPECT_EQ(link.conversation().radioBand(), 1);

    test::VirtualLink shifted(program);
    shifted.Start(Mode::Read);
    shifted.inject(kAck);
    shifted.inject({0x01, 0x02, 0x03, 0x4B, 0x56, 0x44, 0x32, 0x37});
    EXPECT_EQ(shifted.frames.back().bytes, kAck);

    test::VirtualLink nine(program);
    nine.Start(Mode::Read);
    nine.inject(kAck);
    id.push_back(0x00);
    nine.inject(id);
    nine.runToEnd();
    EXPECT_EQ(nine.outcome, Outcome::TimedOut);
}

TEST_F(ConversationTest, TimeOutStepsRunInOrder) {
    link.Start(Mode::Read);  // nothing at the other end
    link.runToEnd();
    ExpectFailedByTimeout();
    EXPECT_EQ(link.messages.back().at, 3000);
    std::vector<Action::Kind> kinds;  // the message and the frame are not in `performed`
    for (const auto& [at, a] : link.performed) {
        if (at == 3000) {
            kinds.push_back(a.kind);
        }
    }
    EXPECT_EQ(kinds, std::vector<Action::Kind>({Action::StopReplyTimer, Action::SetStatusVisible,
                                                Action::StopBlinkTimer, Action::Release,
                                                Action::HideProgress, Action::Ended}));
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
    EXPECT_TRUE(program.table == before.table) << "nothing read is decoded";
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
    MemoryImage image = EncodeImageBytes(test::StartupState());
    image[0x1A8] = 'X';
    link.connect(sim::RadioSide(image));
    link.Start(Mode::Read);
    link.runToEnd();
    ExpectFailedByTimeout();
}

TEST_F(ConversationTest, ReadAnswerNeedsLengthMarkerAndAddressNotTheFourthByte) {
    ReadUpToTheFirstRequest();
    Bytes answer = {0x57, 0x00, 0x10, 0x99};
    answer.resize(68, 0xAB);
    Bytes marker = answer;
    marker[0] = 0x52;
    link.inject(marker);
    link.inject(kAck);  // nor is a ready byte taken in place of the block
    EXPECT_EQ(link.frames.back().bytes, link::Wire::ReadRequest(0x10));
    link.runToEnd();
    ExpectFailedByTimeout();

    test::VirtualLink again(program);
    again.Start(Mode::Read);
    again.inject(kAck);
    again.inject(Identification(0x33));
    again.inject(kAck);
    again.inject(Bytes(answer.begin(), answer.begin() + 30));
    again.inject(Bytes(answer.begin() + 30, answer.end()));
    EXPECT_EQ(again.frames.back().bytes, kAck);
}

TEST_F(ConversationTest, BreakDropsOnlyTheFirstByteAfterIt) {
    link.Start(Mode::Read);
    link.inject({0x00, 0x06});
    EXPECT_EQ(link.frames.size(), 1u) << "without a break the 00 spoils the reply";
    link.advance(3000);
    link.Start(Mode::Read);
    link.Break();
    link.inject({0x00, 0x06});
    EXPECT_EQ(link.frames.back().bytes, kIdentify);
    link.Break();
    link.inject({0x4B});
    link.inject(Identification(0x01));
    EXPECT_EQ(link.frames.back().bytes, kAck);
    EXPECT_EQ(link.conversation().radioBand(), 5);
}

TEST_F(ConversationTest, BytesOutsideAConversationAreThrownAway) {
    link.inject({0x06});
    link.Start(Mode::Write);
    EXPECT_EQ(link.frames.size(), 1u);
    link.runToEnd();  // time-out
    link.inject({0x06});
    link.Start(Mode::Write);
    link.inject({0x06});
    EXPECT_EQ(link.frames.back().bytes, kIdentify) << "only the new 06 counts";
}

TEST_F(ConversationTest, PortNotOpenShowsTheMessageAndLocksNothing) {
    link.portIsOpen = false;
    link.Start(Mode::Write);
    ASSERT_EQ(link.messages.size(), 1u);
    EXPECT_EQ(link.messages[0].text, TextId::PortNotOpen);
    EXPECT_EQ(link.messages[0].style, link::MessageStyle::kInformation);
    EXPECT_TRUE(link.timesOf(Action::Lock).empty());
    EXPECT_TRUE(link.frames.empty());
    EXPECT_EQ(link.outcome, Outcome::PortNotOpen);
}

TEST_F(ConversationTest, PortGoneMidConversationEndsCleanly) {
    link.connect(RadioWith(test::StartupState()));
    link.Start(Mode::Read);
    link.advance(30);
    const std::size_t written = link.frames.size();
    ASSERT_GT(written, 4u);
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
}

}  // namespace
}  // namespace kvd

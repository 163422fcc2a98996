// Writes with a backup read before and a check read after, against the in-process radio on
// the virtual clock.
#include <gtest/gtest.h>

#include "../../image/tests/TestStates.h"
#include "ConversationScript.h"
#include "catalogue/Catalogue.h"
#include "channels/BandTable.h"
#include "image/DifferenceTexts.h"
#include "image/ImageCodec.h"
#include "sim/DemoImage.h"
#include "texts/TextIds.h"

namespace kvd {
namespace {

using link::Action;
using link::Mode;
using link::Outcome;
using link::Step;
using link::WriteChecks;
using Bytes = std::vector<std::uint8_t>;
using Script = test::ConversationScript;

const Bytes kReadStart = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x00};
const Bytes kWriteStart = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
const Bytes kEnd = {0x45};

// A program whose squelch and third channel differ from the radio's, which holds the demo
// image on the program's band.
struct Bench {
    Script s;
    MemoryImage radioImage = sim::DemoImage(0);

    explicit Bench(sim::Faults faults = {}) {
        s.program.settings.squelchLevel = 7;
        s.program.channels[3] = test::MakeChannel("440.12500", "445.12500");
        s.radio.emplace(radioImage, BandTable::At(0).code, std::move(faults));
    }
    // The frames from one to the next, the first included.
    std::vector<Bytes> Starts() const {
        std::vector<Bytes> starts;
        for (const Bytes& f : s.Frames()) {
            if (f == kReadStart || f == kWriteStart) {
                starts.push_back(f);
            }
        }
        return starts;
    }
    std::vector<std::int64_t> TimesOf(const Bytes& frame) const {
        std::vector<std::int64_t> times;
        for (const Script::Entry& e : s.All(Action::SendFrame)) {
            if (e.second.frame == frame) {
                times.push_back(e.first);
            }
        }
        return times;
    }
    std::size_t Blocks() const {
        const std::vector<Bytes> frames = s.Frames();
        return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [](auto& f) {
            return f.size() == link::Wire::kWriteBlockSize;
        }));
    }
    std::vector<std::string> Steps() const {
        std::vector<std::string> steps;
        for (const Script::Entry& e : s.All(Action::StepStarted)) {
            steps.push_back(link::Describe(e.second));
        }
        return steps;
    }
    std::vector<std::string> Fields(const link::WriteComparison& c) const {
        std::vector<std::string> names;
        for (const Difference& d : c.fields) {
            // A setting by its name: which field it is matters here, not its words.
            names.push_back(
                d.place.isChannel()
                    ? TextIn(DifferenceTexts::ChannelHeading(d.place.channel), kEnglish) + " " +
                          TextIn(DifferenceTexts::FieldCaption(d.place), kEnglish)
                    : d.place.field->name);
        }
        return names;
    }
};

// Three conversations under one lock, each starting right after the "E" of the one before
// and named on the status line; the backup is the radio's memory, the changes are shown
// before the write, and the check finds the radio holding what was written.
TEST(LinkSequenceTest, ACleanWriteIsBackedUpWrittenAndVerified) {
    Bench b;
    b.s.StartWrite({});
    b.s.Finish();
    EXPECT_EQ(b.s.violations, std::vector<std::string>());
    EXPECT_EQ(b.Starts(), (std::vector<Bytes>{kReadStart, kWriteStart, kReadStart}));
    EXPECT_EQ(b.Steps(), (std::vector<std::string>{"StepStarted backup", "StepStarted write",
                                                   "StepStarted check"}));
    std::vector<TextId> texts;
    for (const Script::Entry& e : b.s.All(Action::SetStatusText)) {
        if (texts.empty() || texts.back() != e.second.text) {
            texts.push_back(e.second.text);
        }
    }
    EXPECT_EQ(texts,
              (std::vector<TextId>{TextIds::link::backupReading, TextIds::link::readSuccess,
                                   TextIds::link::communicating, TextIds::link::writeSuccess,
                                   TextIds::link::checkReading, TextIds::link::writeVerified}));
    EXPECT_EQ(b.s.All(Action::ShowProgress).size(), 3u);
    ASSERT_EQ(b.s.All(Action::Lock).size(), 1u);
    EXPECT_EQ(b.s.Last(Action::Lock).mode, Mode::Write);
    EXPECT_TRUE(b.s.All(Action::SuppressBandPrompt).empty()) << "the program's state is left alone";
    const std::vector<std::int64_t> ends = b.TimesOf(kEnd);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(b.TimesOf(kWriteStart), std::vector<std::int64_t>{ends[0]});
    EXPECT_EQ(b.TimesOf(kReadStart).back(), ends[1]);
    EXPECT_EQ(b.Blocks(), 46u);

    const Action backup = b.s.Last(Action::KeepBackup);
    ASSERT_EQ(backup.image.size(), ByteMap::kReadSize);
    EXPECT_TRUE(std::equal(b.radioImage.begin(), b.radioImage.end(), backup.image.begin()));
    EXPECT_EQ(backup.value, 0) << "the radio's band";

    const Action changes = b.s.Last(Action::WriteChanges);
    ASSERT_TRUE(changes.comparison);
    const std::vector<std::string> fields = b.Fields(*changes.comparison);
    EXPECT_NE(std::find(fields.begin(), fields.end(), "squelchLevel"), fields.end());
    EXPECT_NE(std::find(fields.begin(), fields.end(), "Channel 03 TX frequency"), fields.end());
    EXPECT_LT(b.s.LastEntry(Action::WriteChanges).first, b.TimesOf(kWriteStart)[0] + 1);

    const Action checked = b.s.Last(Action::WriteChecked);
    ASSERT_TRUE(checked.comparison);
    EXPECT_TRUE(checked.comparison->equal());
    EXPECT_TRUE(checked.comparison->fields.empty());
    EXPECT_EQ(b.s.Last(Action::Ended).outcome, Outcome::WriteVerified);
    EXPECT_EQ(b.s.All(Action::Ended).size(), 1u);
    EXPECT_TRUE(b.s.All(Action::ShowMessage).empty());
    const std::int64_t blinking = b.s.LastEntry(Action::Release).first - ends[2];
    EXPECT_TRUE(blinking >= 1000 && blinking <= 1200) << blinking;
    EXPECT_TRUE(b.s.quiet());
}

// A byte the radio does not take is found by the check and named by its field; it is never
// reported as success.
TEST(LinkSequenceTest, AStuckByteIsReportedWithItsField) {
    const std::size_t squelch = FieldTable::Of(&Settings::squelchLevel).offset;
    Bench b({.stuckBytes = {squelch}});
    b.s.StartWrite({});
    b.s.Finish();
    EXPECT_EQ(b.s.violations, std::vector<std::string>());
    const Action checked = b.s.Last(Action::WriteChecked);
    ASSERT_TRUE(checked.comparison);
    ASSERT_EQ(checked.comparison->bytes.size(), 1u);
    EXPECT_EQ(checked.comparison->bytes[0],
              (link::ByteDifference{squelch, 7, b.radioImage[squelch]}));
    EXPECT_EQ(b.Fields(*checked.comparison), std::vector<std::string>{"squelchLevel"});
    EXPECT_EQ(b.s.Last(Action::Ended).outcome, Outcome::WriteDiffers);
    EXPECT_EQ(b.s.Last(Action::SetStatusText).text, TextIds::link::writeDiffers);
}

// A radio that restarts after each "E": "PROGRAM" goes out again every 500 ms until it
// answers. One that stays silent past 5 s leaves the write unverified, said as such.
TEST(LinkSequenceTest, ARestartingRadioIsWaitedForAndASilentOneLeavesTheWriteUnverified) {
    for (auto [delay, outcome] :
         {std::pair{1800, Outcome::WriteVerified}, std::pair{5600, Outcome::WriteUnverified}}) {
        SCOPED_TRACE(delay);
        Bench b({.restartDelayMs = delay});
        WriteChecks checks;
        checks.backup = false;  // the write comes first
        b.s.StartWrite(checks);
        b.s.Finish();
        EXPECT_EQ(b.s.violations, std::vector<std::string>());
        EXPECT_EQ(b.s.Last(Action::Ended).outcome, outcome);
        const std::vector<std::int64_t> starts = b.TimesOf(kReadStart);
        const std::int64_t end = b.TimesOf(kEnd)[0];
        ASSERT_GE(starts.size(), 2u);
        EXPECT_EQ(starts[0], end);
        for (std::size_t i = 1; i < starts.size(); ++i) {
            EXPECT_EQ(starts[i] - starts[i - 1], link::Conversation::kStartRetryMs);
        }
        if (outcome == Outcome::WriteUnverified) {
            EXPECT_EQ(starts.size(), 10u);
            EXPECT_EQ(b.s.Last(Action::ShowMessage).text, TextIds::link::writeUnverified);
            EXPECT_EQ(b.s.LastEntry(Action::ShowMessage).first - end, 5000);
            EXPECT_TRUE(b.s.All(Action::WriteChecked).empty());
        } else {
            EXPECT_EQ(starts.back() - end, 2000) << "the first start frame after the restart";
            EXPECT_TRUE(b.s.All(Action::ShowMessage).empty());
        }
        EXPECT_TRUE(b.s.quiet());
    }
}

// Nothing is written unless the radio was read and its backup kept.
TEST(LinkSequenceTest, AFailedOrUnkeptBackupStopsTheWrite) {
    for (bool silent : {true, false}) {
        SCOPED_TRACE(silent);
        Bench b({.silent = silent});
        b.s.keep = false;
        b.s.StartWrite({});
        b.s.Finish();
        EXPECT_EQ(b.s.violations, std::vector<std::string>());
        EXPECT_EQ(b.Starts(), std::vector<Bytes>{kReadStart});
        EXPECT_EQ(b.Blocks(), 0u);
        EXPECT_EQ(b.s.Last(Action::Ended).outcome, Outcome::BackupFailed);
        if (silent) {
            EXPECT_EQ(b.s.Last(Action::ShowMessage).text, TextIds::link::communicationError);
            EXPECT_TRUE(b.s.All(Action::KeepBackup).empty());
        } else {
            EXPECT_EQ(b.s.Last(Action::SetStatusText).text, TextIds::link::backupNotKept);
        }
        EXPECT_TRUE(b.s.quiet());
    }
}

// The band question comes from what the backup read found, before any write frame; Yes
// writes without asking again, No writes nothing.
TEST(LinkSequenceTest, TheBandQuestionIsAskedFromTheBackupRead) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        Bench b;
        b.s.radio.emplace(b.radioImage, BandTable::At(5).code);
        b.s.yes = yes;
        b.s.StartWrite({});
        b.s.Finish();
        EXPECT_EQ(b.s.violations, std::vector<std::string>());
        ASSERT_EQ(b.s.All(Action::AskBandQuestion).size(), 1u);
        EXPECT_EQ(b.s.LastEntry(Action::AskBandQuestion).first, b.TimesOf(kEnd)[0]);
        EXPECT_EQ(b.Starts().size(), yes ? 3u : 1u);
        EXPECT_EQ(b.s.Last(Action::Ended).outcome,
                  yes ? Outcome::WriteVerified : Outcome::BandDeclined);
        if (!yes) {
            EXPECT_EQ(b.s.Last(Action::SetStatusText).text, TextIds::link::bandMismatch);
        }
    }
}

// The confirmation comes after the changes are shown; the write sends exactly the image that
// was shown, whatever the program's state became meanwhile. No writes nothing.
TEST(LinkSequenceTest, TheConfirmedWriteSendsWhatWasShown) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        Bench b;
        b.s.pauseAtQuestions = true;
        WriteChecks checks;
        checks.confirm = true;
        b.s.StartWrite(checks);
        b.s.Finish();
        ASSERT_EQ(b.s.Question(), Action::KeepBackup);
        b.s.Answer(true);
        ASSERT_EQ(b.s.Question(), Action::ConfirmWrite);
        EXPECT_TRUE(b.s.Last(Action::ConfirmWrite).comparison);
        const MemoryImage shown = EncodeImage(b.s.program);
        b.s.program.settings.squelchLevel = 2;  // an edit while the question is open
        EXPECT_TRUE(b.s.Sequence().conversation().locked()) << "held between the conversations";
        b.s.Answer(yes);
        b.s.pauseAtQuestions = false;
        b.s.Finish();
        EXPECT_EQ(b.s.violations, std::vector<std::string>());
        EXPECT_EQ(b.s.Last(Action::Ended).outcome,
                  yes ? Outcome::WriteVerified : Outcome::WriteCancelled);
        const MemoryImage held = b.s.radio->image();
        const std::size_t squelch = FieldTable::Of(&Settings::squelchLevel).offset;
        EXPECT_EQ(held[squelch], yes ? shown[squelch] : b.radioImage[squelch]);
        EXPECT_EQ(b.Blocks(), yes ? 46u : 0u);
        EXPECT_TRUE(b.s.quiet());
    }
}

// Ctrl+C while the program decides: the radio has had its "E"; the lock goes at once.
TEST(LinkSequenceTest, AnInterruptionBetweenConversationsEndsAtOnce) {
    Bench b;
    b.s.pauseAtQuestions = true;
    b.s.StartWrite({});
    b.s.Finish();
    ASSERT_EQ(b.s.Question(), Action::KeepBackup);
    const std::size_t frames = b.s.Frames().size();
    b.s.Interrupt();
    EXPECT_EQ(b.s.Last(Action::Ended).outcome, Outcome::Interrupted);
    EXPECT_EQ(b.s.Sequence().step(), Step::Backup);
    EXPECT_TRUE(b.s.quiet());
    b.s.Answer(true);  // too late: nothing follows
    b.s.pauseAtQuestions = false;
    b.s.Finish();
    EXPECT_EQ(b.s.Frames().size(), frames);
    EXPECT_EQ(b.s.violations, std::vector<std::string>());
}

}  // namespace
}  // namespace kvd

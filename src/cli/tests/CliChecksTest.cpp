// kvd270-cli diff, and writes with their backup read before and check read after, against
// kvd270-sim and its lies.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <csignal>

#include "CliFixture.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "sim/DemoImage.h"

namespace kvd {
namespace {

using test::CliTest;
using test::Finished;
namespace fs = std::filesystem;

// Two channel files: the radio's demo image on band 0, and the same with squelch 7 and a
// new receive frequency on channel 3.
class CliChecksTest : public CliTest {
protected:
    RadioState radio, mine;

    void SetUp() override {
        CliTest::SetUp();
        radio = StartupState(kEnglish);
        ASSERT_TRUE(ChannelFile::OpenBytes("KVD27" + DemoBytes(), radio));
        mine = radio;
        mine.settings.squelchLevel = 7;
        mine.channels[3]->rx = Frequency::FromTens(44012500);
        ASSERT_TRUE(ChannelFile::Save(dir / "RADIO.DAT", radio));
        ASSERT_TRUE(ChannelFile::Save(dir / "MINE.DAT", mine));
    }
    static std::string DemoBytes() {
        const MemoryImage image = sim::DemoImage(0);
        return {image.begin(), image.end()};
    }
    fs::path BackupFolder() const { return dir / "data" / "kvd270" / "backups"; }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(CliChecksTest, DiffOfFilesTellsEqualFromDifferentInEitherLanguage) {
    Finished same = Cli({"diff", Path("RADIO.DAT"), Path("RADIO.DAT")});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "No differences.\n");

    Finished en = Cli({"diff", Path("RADIO.DAT"), Path("MINE.DAT")});
    EXPECT_EQ(en.status, 1);
    for (const char* shown :
         {"Channel 03", "RX frequency", "440.12500", "Settings", "squelchLevel"}) {
        EXPECT_TRUE(Has(en.out, shown)) << shown << "\n" << en.out;
    }
    EXPECT_TRUE(Has(en.out, Path("MINE.DAT").toStdString())) << "the sides are named";
    Finished zh = Cli({"diff", Path("RADIO.DAT"), Path("MINE.DAT"), "--lang", "zh"});
    EXPECT_EQ(zh.status, 1);
    for (const char* shown : {"信道 03", "接收频率", "440.12500", "设置", "squelchLevel"}) {
        EXPECT_TRUE(Has(zh.out, shown)) << shown << "\n" << zh.out;
    }
    Finished json = Cli({"diff", Path("RADIO.DAT"), Path("MINE.DAT"), "--json"});
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(Has(json.out, R"({"setting": "squelchLevel", "element": 0, "a": 1, "b": 7})"))
        << json.out;
    EXPECT_TRUE(Has(json.out, R"({"channel": 3, "field": "rx", "a": ")")) << json.out;

    std::ofstream(dir / "WRONG.DAT") << "NOT A CHANNEL FILE";
    for (QStringList args : {QStringList{"diff", Path("RADIO.DAT")},
                             {"diff", Path("RADIO.DAT"), Path("MISSING.DAT")},
                             {"diff", Path("WRONG.DAT"), Path("RADIO.DAT")},
                             {"diff", Path("RADIO.DAT"), Path("MINE.DAT"), "--lang", "fr"},
                             {"diff", Path("RADIO.DAT"), Path("MINE.DAT"), "--bogus"}}) {
        Finished bad = Cli(args);
        EXPECT_EQ(bad.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(bad.out.empty());
    }
}

// The radio is read as read does, backup included, and compared with the file; a radio that
// does not answer is trouble, not a difference.
TEST_F(CliChecksTest, DiffWithTheRadioReadsItFirst) {
    StartSim({"--band-code", "33"});
    Finished same = Cli({"diff", "--port", device, Path("RADIO.DAT")});
    EXPECT_EQ(same.status, 0) << same.errors << same.out;
    EXPECT_EQ(Backups::List(BackupFolder()).size(), 1u);
    Finished differ = Cli({"diff", "--port", device, Path("MINE.DAT"), "--no-backup"});
    EXPECT_EQ(differ.status, 1) << differ.errors;
    EXPECT_TRUE(Has(differ.out, "radio " + device.toStdString())) << differ.out;
    EXPECT_TRUE(Has(differ.out, "squelchLevel")) << differ.out;
    EXPECT_EQ(Backups::List(BackupFolder()).size(), 1u);

    sim.terminate();
    sim.waitForFinished();
    StartSim({"--silent"});
    Finished silent = Cli({"diff", "--port", device, Path("MINE.DAT")});
    EXPECT_EQ(silent.status, 2);
    EXPECT_TRUE(silent.out.empty());
}

// Three conversations: the backup is what the radio held, the changes are shown before the
// write, and the check finds what was written.
TEST_F(CliChecksTest, AWriteIsBackedUpShownWrittenAndVerified) {
    StartSim({"--band-code", "33", "--save", Path("SAVED.DAT")});
    Finished write = Cli({"write", "--port", device, Path("MINE.DAT")});
    ASSERT_EQ(write.status, 0) << write.errors;
    EXPECT_TRUE(SimSays("ended read, 16 blocks"));
    EXPECT_TRUE(SimSays("ended write, 46 blocks"));
    EXPECT_TRUE(SimSays("ended read, 16 blocks"));
    const std::vector<fs::path> backups = Backups::List(BackupFolder());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(ReadAll(backups[0]), ReadAll(dir / "RADIO.DAT")) << "what the radio held";
    const std::string& e = write.errors;
    const std::size_t changes = e.find("What the write will change:");
    ASSERT_NE(changes, std::string::npos) << e;
    EXPECT_LT(e.find("[1/3] backup read"), e.find("backup: " + backups[0].string()));
    EXPECT_LT(e.find("backup: "), changes);
    EXPECT_LT(changes, e.find("[2/3] write"));
    EXPECT_LT(e.find("[2/3] write"), e.find("[3/3] check read"));
    EXPECT_TRUE(Has(e.substr(changes), "squelchLevel")) << e;
    EXPECT_TRUE(Has(e, "Write frequency success! Checked: the radio holds what was written.")) << e;
    EXPECT_EQ(ReadAll(dir / "SAVED.DAT"), ReadAll(dir / "MINE.DAT"));

    // Without either check: one conversation.
    Finished plain =
        Cli({"write", "--port", device, "--no-backup", "--no-verify", Path("MINE.DAT")});
    EXPECT_EQ(plain.status, 0) << plain.errors;
    EXPECT_TRUE(Has(plain.errors, "[1/1] write")) << plain.errors;
    EXPECT_TRUE(SimSays("ended write, 46 blocks"));
    EXPECT_TRUE(SimSays("saved"));
    EXPECT_FALSE(sim.waitForReadyRead(300)) << "no check read";
    EXPECT_EQ(Backups::List(BackupFolder()).size(), 1u);
}

// A byte the radio does not take is reported by the name of its field, in either language,
// and the write is not a success.
TEST_F(CliChecksTest, AStuckByteIsReportedByItsField) {
    const std::size_t squelch = FieldTable::Of(&Settings::squelchLevel).offset;
    StartSim({"--band-code", "33", "--stuck-byte", QString::number(squelch)});
    for (auto [language, says, grade] :
         {std::tuple{"en", "Written, but the radio holds something else.",
                     "(squelchLevel)  7 Group"},
          {"zh", "已写入，但对讲机中的数据与写入的不同。", "(squelchLevel)  7 级"}}) {
        Finished write = Cli({"write", "--port", device, Path("MINE.DAT"), "--lang", language});
        EXPECT_EQ(write.status, 1) << write.errors;
        const std::size_t found = write.errors.find(says);
        ASSERT_NE(found, std::string::npos) << write.errors;
        EXPECT_TRUE(Has(write.errors.substr(found), grade)) << write.errors;
        EXPECT_FALSE(Has(write.errors, "Checked")) << write.errors;
    }
}

// A radio that restarts after each "E" is waited for; one that stays silent past 5 s leaves
// the write "not verified".
TEST_F(CliChecksTest, ARestartingRadioIsWaitedForAndASilentOneIsNotVerified) {
    StartSim({"--band-code", "33", "--restart-delay", "1500"});
    Finished waited = Cli({"write", "--port", device, Path("MINE.DAT")});
    EXPECT_EQ(waited.status, 0) << waited.errors;
    EXPECT_TRUE(Has(waited.errors, "Checked")) << waited.errors;

    sim.terminate();
    sim.waitForFinished();
    StartSim({"--band-code", "33", "--restart-delay", "6000"});
    QElapsedTimer clock;
    clock.start();
    Finished silent = Cli({"write", "--port", device, "--no-backup", Path("MINE.DAT")});
    EXPECT_EQ(silent.status, 1);
    EXPECT_GE(clock.elapsed(), 5000);
    EXPECT_TRUE(
        Has(silent.errors, "Written, not verified: the radio did not answer the check read."))
        << silent.errors;
    EXPECT_TRUE(SimSays("ended write, 46 blocks"));
}

// No backup, no write: a radio that cannot be read, or a backup that cannot be kept, stops
// it before "PROGRAM" of the write.
TEST_F(CliChecksTest, AFailedBackupStopsTheWrite) {
    StartSim({"--silent"});
    Finished silent = Cli({"write", "--port", device, Path("MINE.DAT")});
    EXPECT_EQ(silent.status, 1);
    EXPECT_TRUE(Has(silent.errors, "Communication error")) << silent.errors;
    EXPECT_TRUE(Has(silent.errors,
                    "The radio could not be read for a backup; nothing was "
                    "written. (--no-backup writes without a backup)"))
        << silent.errors;
    EXPECT_TRUE(SimSays("ended read, 0 blocks"));
    EXPECT_FALSE(sim.waitForReadyRead(300)) << "no write conversation";

    sim.terminate();
    sim.waitForFinished();
    StartSim({"--band-code", "33", "--save", Path("SAVED.DAT")});
    std::ofstream(dir / "data") << "a file where the backup folder's parent should be";
    Finished unkept = Cli({"write", "--port", device, Path("MINE.DAT")});
    EXPECT_EQ(unkept.status, 1);
    EXPECT_TRUE(Has(unkept.errors, "no backup written")) << unkept.errors;
    EXPECT_TRUE(Has(unkept.errors, "No backup could be kept; nothing was written."))
        << unkept.errors;
    EXPECT_TRUE(SimSays("ended read, 16 blocks"));
    EXPECT_FALSE(sim.waitForReadyRead(300)) << "no write conversation";
    EXPECT_FALSE(fs::exists(dir / "SAVED.DAT"));

    // --confirm needs someone to answer.
    EXPECT_EQ(Cli({"write", "--port", device, "--confirm", Path("MINE.DAT")}).status, 2);
}

// Ctrl+C during the backup read: nothing was written, and the tool says so.
TEST_F(CliChecksTest, AnInterruptedBackupReadWritesNothing) {
    StartSim({"--pace"});
    QProcess cli;
    StartCli(cli, {"write", "--port", device, Path("MINE.DAT")});
    // The signal goes once the backup read has begun, not after a guess at the start-up time
    // (a slow start, under a sanitizer on a busy machine, met it with the default action).
    cli.setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains("[1/3]") && cli.waitForReadyRead(10000)) {
        said += cli.readAll();
    }
    ASSERT_TRUE(said.contains("[1/3]")) << said.toStdString();
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    Finished stopped = Wait(cli);
    EXPECT_EQ(stopped.status, 130);
    EXPECT_TRUE(Has(stopped.errors, "The write was interrupted before anything was written."))
        << stopped.errors;
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    EXPECT_TRUE(sim.readLine().startsWith("ended read, "));
    EXPECT_FALSE(sim.waitForReadyRead(300)) << "no write conversation";
}

}  // namespace
}  // namespace kvd

// The window's Read and Write against kvd270-sim on a real pseudo-terminal, reached
// through a COM1 link in the window's configuration folder.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "EditorTestSupport.h"
#include "ShellTestSupport.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/ImageCodec.h"
#include "dialogs/DebugAccess.h"
#include "shell/BandCombo.h"
#include "shell/LinkCommands.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"
#include "sim/DemoImage.h"

using namespace kvd;
using namespace kvd::gui;

class LinkWindowTest : public QObject {
    Q_OBJECT

    struct Radio {
        QProcess process;
        ~Radio() {
            process.kill();
            process.waitForFinished(2000);
        }
    };

    // Starts the virtual radio linked as COM1 into the run's configuration folder.
    static void StartRadio(Radio& radio, const test::ShellRun& run, QStringList options) {
        options << "--link" << QDir(run.folder()).filePath("COM1");
        radio.process.start(KVD_SIM, options);
        QVERIFY(radio.process.waitForReadyRead(5000));
        QVERIFY(radio.process.readLine().startsWith("/dev/"));
    }

    static link::Outcome Converse(MainWindow& window, const char* item) {
        auto* commands = window.findChild<LinkCommands*>("LinkCommands");
        QSignalSpy ended(commands, &LinkCommands::conversationEnded);
        window.menuItem(item)->trigger();
        if (ended.isEmpty() && !ended.wait(15000)) {
            return link::Outcome::PortNotOpen;
        }
        return ended.first().first().value<link::Outcome>();
    }

    // Reads the radio's report lines until one starts with `prefix`.
    static bool RadioSays(Radio& radio, const QByteArray& prefix) {
        while (radio.process.canReadLine() || radio.process.waitForReadyRead(5000)) {
            if (radio.process.readLine().startsWith(prefix)) {
                return true;
            }
        }
        return false;
    }

    static bool Locked(MainWindow& window) { return !window.findChild<QToolBar*>("Toolbar1")->isEnabled(); }

private slots:
    void readShowsTheRadioAndLeavesABackup() {
        test::ShellRun run;
        MainWindow& window = run.build();
        QTemporaryDir backups;
        window.findChild<LinkCommands*>("LinkCommands")->setBackupFolder(backups.path().toStdString());
        run.start();
        Radio radio;
        StartRadio(radio, run, {"--band-code", "01", "--split", "5"});
        window.menuItem("mnucom1")->trigger();
        QVERIFY(window.menuItem("mnucom1")->isChecked());
        QCOMPARE(run.state.flags.PortNumber, 1);

        QCOMPARE(Converse(window, "mnureadFre"), link::Outcome::ReadDone);
        QVERIFY2(Locked(window), "the lock stays while the result blinks");
        QVERIFY(!window.menuItem("mnureadFre")->isEnabled());
        QVERIFY(window.menuItem("mnuwriteFre")->isEnabled());

        RadioState expected;
        ApplyStartupDefaults(expected);
        DecodeImageBytes(sim::DemoImage(5), expected);
        for (int row = 1; row <= 16; ++row) {
            for (int column = 1; column <= 8; ++column) {
                QCOMPARE(test::CellText(window, row, column),
                         QString::fromStdString(expected.table.cell(row, column)));
            }
        }
        QCOMPARE(window.bandList()->currentIndex(), 5);
        QVERIFY(run.unansweredBoxes().isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);
        QVERIFY(window.menuItem("mnureadFre")->isEnabled());
        QVERIFY(!window.progressBar()->isVisible());
        std::vector<std::filesystem::path> kept = Backups::List(backups.path().toStdString());
        QCOMPARE(kept.size(), std::size_t(1));
        QVERIFY(window.statusLabel()->text().contains(QString::fromStdString(kept[0].filename().string())));
    }

    void writeSendsTheTableAndAsksAboutTheBandOnce() {
        test::ShellRun run;
        MainWindow& window = run.start();
        QTemporaryDir dir;
        const QString saved = dir.filePath("RADIO.DAT");
        Radio radio;
        StartRadio(radio, run, {"--band-code", "01", "--save", saved});
        window.menuItem("mnucom1")->trigger();
        test::FillChannel(run.state, 3, "145.52500", 9, 0);
        window.RefreshFromState();

        // The window's band (400-490MHz) differs from the radio's: asked once; No ends it.
        {
            MessageBoxResponder no(MessageBoxStyle::kIdNo);
            QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::BandDeclined);
            QCOMPARE(no.shown().size(), 1);
            QVERIFY(no.shown()[0].prompt.contains("频段不符"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);
        QCOMPARE(window.statusLabel()->text(), QStringLiteral("频段不符，是否继续？"));
        if (QFile::exists(saved)) {  // the radio keeps its memory: no block was written
            RadioState untouched;
            ApplyStartupDefaults(untouched);
            QVERIFY(ChannelFile::Open(saved.toStdString(), untouched));
            QVERIFY(untouched.table.cell(3, 1) != "145.52500");
            QFile::remove(saved);
        }

        MessageBoxResponder yes(MessageBoxStyle::kIdYes);
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteDone);
        QCOMPARE(yes.shown().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 3000);
        RadioState radioState;
        ApplyStartupDefaults(radioState);
        QVERIFY(ChannelFile::Open(saved.toStdString(), radioState));
        QCOMPARE(QString::fromStdString(radioState.table.cell(3, 1)), QStringLiteral("145.52500"));
        QCOMPARE(QString::fromStdString(radioState.table.cell(3, 2)), QStringLiteral("88.5"));
    }

    // Debug access puts the calibration block into a write; a read withdraws the flag (the
    // hidden button stays), so the next write leaves the block out again.
    void calibrationBlockOnlyWhileDebugAccessIsGranted() {
        test::ShellRun run;
        MainWindow& window = run.start();
        Radio radio;
        StartRadio(radio, run, {"--band-code", "33"});
        window.menuItem("mnucom1")->trigger();
        window.findChild<DebugAccess*>("DebugAccess")->Grant();

        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteDone);
        QVERIFY(RadioSays(radio, "ended write, 47 blocks"));
        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);

        QCOMPARE(Converse(window, "mnureadFre"), link::Outcome::ReadDone);
        QCOMPARE(run.state.flags.DebugAccess, std::int16_t(0));
        QVERIFY(window.toolButton("TAnMa")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);

        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteDone);
        QVERIFY(RadioSays(radio, "ended write, 46 blocks"));
        QVERIFY(run.unansweredBoxes().isEmpty());
    }

    // A frequency still in its editor when Write is chosen goes to the radio.
    void writeCommitsAnOpenEditorFirst() {
        test::ShellRun run;
        MainWindow& window = test::StartActive(run);
        QTemporaryDir dir;
        const QString saved = dir.filePath("RADIO.DAT");
        Radio radio;
        StartRadio(radio, run, {"--band-code", "33", "--save", saved});
        window.menuItem("mnucom1")->trigger();
        test::ClickCell(window, 4, 1);
        test::Type("446.00625");
        QVERIFY(test::FrequencyEditor(window)->isVisible());

        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteDone);
        QVERIFY(!test::FrequencyEditor(window)->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 3000);
        RadioState written;
        ApplyStartupDefaults(written);
        QVERIFY(ChannelFile::Open(saved.toStdString(), written));
        QCOMPARE(QString::fromStdString(written.table.cell(4, 1)), QStringLiteral("446.00625"));
    }

    void silentRadioTimesOutAndReleasesTheLock() {
        test::ShellRun run;
        MainWindow& window = run.start();
        Radio radio;
        StartRadio(radio, run, {"--silent"});
        window.menuItem("mnucom1")->trigger();
        run.state.table.setCell(2, 1, "450.00000");
        MessageBoxResponder ok(MessageBoxStyle::kIdOk);
        QCOMPARE(Converse(window, "mnureadFre"), link::Outcome::TimedOut);
        QCOMPARE(ok.shown().size(), 1);
        QVERIFY(ok.shown()[0].prompt.startsWith(QStringLiteral("通信出错")));
        QVERIFY(!Locked(window));
        QCOMPARE(QString::fromStdString(run.state.table.cell(2, 1)), QStringLiteral("450.00000"));
    }

    void portThatCannotBeOpenedIsReportedAndUnmarked() {
        test::ShellRun run;
        MainWindow& window = run.start();
        QVERIFY(QFile::link("/dev/kvd-no-such-device", QDir(run.folder()).filePath("COM2")));
        MessageBoxResponder ok(MessageBoxStyle::kIdOk);
        window.menuItem("mnucom2")->trigger();
        QCOMPARE(ok.shown().size(), 1);
        QCOMPARE(ok.shown()[0].prompt, QStringLiteral("串行端口2已被其它程序使用，请选择其它串口或关掉其程序."));
        QVERIFY(!window.menuItem("mnucom2")->isChecked());
        QCOMPARE(run.state.flags.PortNumber, 0);
        QVERIFY(window.statusLabel()->text().contains("/dev/kvd-no-such-device"));

        window.menuItem("mnureadFre")->trigger();
        QCOMPARE(ok.shown().size(), 2);
        QVERIFY(ok.shown()[1].prompt.startsWith(QStringLiteral("通信端口未打开")));
    }
};

QTEST_MAIN(LinkWindowTest)
#include "LinkWindowTest.moc"

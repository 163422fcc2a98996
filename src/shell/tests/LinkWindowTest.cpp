// The window's Read and Write against kvd270-sim on a real pseudo-terminal, reached through
// a COM1 link in the window's configuration folder.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>

#include "ShellTestSupport.h"
#include "SimRadio.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/ImageCodec.h"
#include "link/PortNames.h"
#include "shell/LinkCommands.h"
#include "sim/DemoImage.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

class LinkWindowTest : public QObject {
    Q_OBJECT

    static bool Locked(MainWindow& window) {
        return !window.findChild<QToolBar*>("Toolbar1")->isEnabled();
    }

private slots:
    void writeAndReadThroughTheWindow() {
        ShellRun run;
        MainWindow& window = run.build();
        QTemporaryDir backups;
        window.findChild<LinkCommands*>()->setBackupFolder(backups.path().toStdString());
        run.startActive();
        const QString saved = run.folder() + "/RADIO.DAT";
        SimRadio radio(run, {"--band-code", "01", "--split", "5", "--save", saved});
        MenuItem(window, "mnucom1")->trigger();
        QVERIFY(MenuItem(window, "mnucom1")->isChecked());
        QCOMPARE(run.state.flags.PortNumber, 1);

        // The window's band (400-490MHz) differs from the radio's, as the backup read finds:
        // asked once; No ends it before anything is written.
        FillChannel(run.state, 3, "445.52500", 9, 0);
        window.configurationChanged();
        const RadioState beforeRead = run.state;
        {
            MessageBoxResponder no(Style::kIdNo);
            QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::BandDeclined);
            QCOMPARE(no.shown().size(), 1);
            QVERIFY(no.shown()[0].prompt.contains("频段不符"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);

        // A read over the unsaved channel asks first; then, in pieces, it brings what the radio
        // holds: its own memory.
        {
            MessageBoxResponder discard(Style::kIdDiscard);
            QCOMPARE(Converse(window, "mnureadFre"), link::Outcome::ReadDone);
            QCOMPARE(discard.shown().size(), 1);
            QCOMPARE(discard.shown()[0].prompt, QStringLiteral("是否保存对未命名的配置的修改？"));
        }
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("从对讲机读取[*] - KVD-270对讲机编程软件 V1.00"));
        QVERIFY(!window.isWindowModified());
        QVERIFY2(Locked(window), "the lock stays while the result blinks");
        QVERIFY(!MenuItem(window, "mnureadFre")->isEnabled());
        RadioState expected;
        ApplyStartupDefaults(expected);
        DecodeImage(sim::DemoImage(kBand136), expected);
        QCOMPARE(run.state.channels, expected.channels);
        QCOMPARE(window.bandList()->currentIndex(), kBand136);
        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);
        QVERIFY(!window.progressBar()->isVisible());
        const auto kept = Backups::List(backups.path().toStdString());
        QCOMPARE(kept.size(), std::size_t(2));  // the write's backup read, then this read
        QVERIFY(window.statusLabel()->text().contains(
            QString::fromStdString(kept[1].filename().string())));

        // A frequency still in its editor goes with a write.
        ClickCell(window, 4, 1);
        Type("146.00625");
        ModalDialogResponder write([](const ModalDialogRecord&) { return int(QDialog::Accepted); });
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteVerified);
        QVERIFY(radio.says("ended write, 46 blocks"));
        QVERIFY(radio.says("saved"));
        RadioState written;
        ApplyStartupDefaults(written);
        QVERIFY(ChannelFile::Open(saved.toStdString(), written));
        QCOMPARE(FrequencyText(written.channels[4]->rx), std::string("146.00625"));
        // Written is stored: in the radio.
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("已写入对讲机[*] - KVD-270对讲机编程软件 V1.00"));
        QVERIFY(!window.isWindowModified());
        QTRY_VERIFY_WITH_TIMEOUT(!Locked(window), 3000);
        QVERIFY(run.unansweredBoxes().isEmpty());

        // A write is no step of its own: undo takes back the edit, then the read.
        QCOMPARE(MenuItem(window, "mnuUndo")->text(), QStringLiteral("撤销信道 04 接收频率的编辑"));
        MenuItem(window, "mnuUndo")->trigger();
        QVERIFY(window.isWindowModified());
        QCOMPARE(MenuItem(window, "mnuUndo")->text(), QStringLiteral("撤销读频"));
        MenuItem(window, "mnuUndo")->trigger();
        QCOMPARE(run.state.channels, beforeRead.channels);
        QCOMPARE(run.state.band.position(), beforeRead.band.position());
    }

    // A read replaces what an open dialog and a cell editor opened meanwhile hold: neither
    // puts old values back afterwards.
    void aReadReplacesWhatOpenEditorsAndDialogsHold() {
        ShellRun run;
        MainWindow& window = run.build();
        QTemporaryDir backups;
        window.findChild<LinkCommands*>()->setBackupFolder(backups.path().toStdString());
        run.startActive();
        SimRadio radio(run, {"--band-code", "01"});
        MenuItem(window, "mnucom1")->trigger();
        MenuItem(window, "Key_enactment")->trigger();
        QDialog* keys = window.findChild<QDialog*>("Form6");
        auto* pf1 = keys->findChild<QComboBox*>("Combo1");
        QCOMPARE(pf1->currentIndex(), 10);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QSignalSpy ended(window.findChild<LinkCommands*>(), &LinkCommands::conversationEnded);
        MenuItem(window, "mnureadFre")->trigger();
        ClickCell(window, 1, 1);  // typed while the radio is being read, in the radio's band
        Type("150");
        QVERIFY(ended.wait(15000));
        QCOMPARE(ended.first().first().value<link::Outcome>(), link::Outcome::ReadDone);
        RadioState expected;
        ApplyStartupDefaults(expected);
        DecodeImage(sim::DemoImage(kBand136), expected);
        QTRY_COMPARE(pf1->currentIndex(), expected.settings.pf1Function);
        ClickCell(window, 2, 1);
        QCOMPARE(run.state.channels, expected.channels);
        QTest::mouseClick(keys->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(run.state.settings, expected.settings);
    }

    // Pulling the cable (the radio's end of the line goes away) takes the mark off the port
    // and says so; choosing the item again, once plugged in, opens the port anew.
    void aLostPortLosesItsMarkAndOpensAgainWhenChosen() {
        ShellRun run;
        MainWindow& window = run.build();
        QTemporaryDir backups;
        window.findChild<LinkCommands*>()->setBackupFolder(backups.path().toStdString());
        run.start();
        auto radio = std::make_unique<SimRadio>(run, QStringList());
        MenuItem(window, "mnucom1")->trigger();
        QVERIFY(MenuItem(window, "mnucom1")->isChecked());
        radio.reset();
        QTRY_VERIFY(!MenuItem(window, "mnucom1")->isChecked());
        QCOMPARE(window.statusLabel()->text(),
                 QStringLiteral("COM1：串口已断开，请检查连线后重新选择该串口"));
        QVERIFY(window.statusLabel()->isVisible());
        QCOMPARE(run.state.flags.PortNumber, 1);  // still the port to open at the next start

        SimRadio pluggedIn(run, {});
        MenuItem(window, "mnucom1")->trigger();
        QVERIFY(MenuItem(window, "mnucom1")->isChecked());
        QCOMPARE(Converse(window, "mnureadFre"), link::Outcome::ReadDone);
        QVERIFY(run.unansweredBoxes().isEmpty());
    }

    void anUnopenablePortIsReportedAndLeavesNoPortChosen() {
        ShellRun run;
        MainWindow& window = run.start();
        QVERIFY(QFile::link("/dev/kvd-no-such-device", QDir(run.folder()).filePath("COM2")));
        MessageBoxResponder ok(Style::kIdOk);
        MenuItem(window, "mnucom2")->trigger();
        QCOMPARE(ok.shown().size(), 1);
        QCOMPARE(ok.shown()[0].prompt,
                 QStringLiteral("串行端口2已被其它程序使用，请选择其它串口或关掉其程序."));
        QVERIFY(!MenuItem(window, "mnucom2")->isChecked());
        QCOMPARE(run.state.flags.PortNumber, 0);
        QVERIFY(window.statusLabel()->text().contains("/dev/kvd-no-such-device"));
        MenuItem(window, "mnureadFre")->trigger();
        QCOMPARE(ok.shown().size(), 2);
        QVERIFY(ok.shown()[1].prompt.startsWith(QStringLiteral("通信端口未打开")));

        // An item with no device behind it says so in the interface language.
        if (!link::PortNames::DeviceFor(8, run.folder().toStdString()).empty()) {
            QSKIP("this machine has eight serial devices");
        }
        MenuItem(window, "mnucom8")->trigger();
        QCOMPARE(window.statusLabel()->text(), QStringLiteral("COM8：没有对应的串口设备"));
        MenuItem(window, "mnuEnglish")->trigger();
        MenuItem(window, "mnucom8")->trigger();
        QCOMPARE(window.statusLabel()->text(), QStringLiteral("COM8: no such serial device"));
    }
};

QTEST_MAIN(LinkWindowTest)
#include "LinkWindowTest.moc"

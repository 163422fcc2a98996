// Start-up and shut-down: the preferences file, the edit lock, the stored language and port.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>

#include "ShellTestSupport.h"
#include "shell/BandCombo.h"
#include "shell/ChannelGrid.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

bool AreasEnabled(MainWindow& window) {
    return window.findChild<QGroupBox*>("Frame1")->isEnabled() &&
           window.findChild<QGroupBox*>("Frame2")->isEnabled() && window.grid()->isEnabled();
}

bool AreasDisabled(MainWindow& window) {
    return !window.findChild<QGroupBox*>("Frame1")->isEnabled() &&
           !window.findChild<QGroupBox*>("Frame2")->isEnabled() && !window.grid()->isEnabled();
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values) {
        bytes.append(static_cast<char>(v));
    }
    return bytes;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunStartsChineseUnlockedWithoutPortAndWritesThreeZeros() {
        ShellRun run;
        QVERIFY(!run.hasPreferences());
        MainWindow& window = run.start();

        QVERIFY(run.hasPreferences());  // created empty at start-up
        QCOMPARE(run.preferences(), QByteArray());
        QCOMPARE(window.windowTitle(), QStringLiteral("KVD-270对讲机编程软件 V1.00"));
        QCOMPARE(run.state.flags.Language, kChinese);
        QVERIFY(!window.isEditLocked());
        QVERIFY(AreasEnabled(window));
        QCOMPARE(run.state.flags.PortNumber, 0);
        for (int n = 1; n <= 8; ++n) {
            QVERIFY(!window.menuItem(qPrintable(QStringLiteral("mnucom%1").arg(n)))->isChecked());
        }
        QCOMPARE(window.bandList()->currentIndex(), 0);
        QCOMPARE(run.state.band.BandLowMHz, 400);
        QCOMPARE(run.state.band.BandHighMHz, 490);
        QCOMPARE(run.state.settings.KeyFunction1, 10);
        QVERIFY(window.progressBar()->isHidden());
        QVERIFY(!window.toolButton("TAnMa")->isVisible());
        for (const char* name : {"Combo2", "Combo3", "Combo4", "Combo9", "Combo6", "Combo7"}) {
            QCOMPARE(window.findChild<QComboBox*>(name)->currentIndex(), 1);
        }
        QCOMPARE(window.findChild<QComboBox*>("Combo3")->count(), 40);
        QCOMPARE(window.findChild<QComboBox*>("Combo3")->itemText(39), QStringLiteral("600 秒"));

        window.close();
        QCOMPARE(run.preferences(), Bytes({0, 0, 0}));
    }

    void lockedStartDisablesTheAreasUntilTheLockIsTakenOff() {
        ShellRun run;
        run.writePreferences(Bytes({1, 0, 0}));
        MainWindow& window = run.start();
        QVERIFY(window.isEditLocked());
        QVERIFY(AreasDisabled(window));
        QVERIFY(window.findChild<QMenu*>("mnuFile")->isEnabled());
        QVERIFY(window.findChild<QToolBar*>("Toolbar1")->isEnabled());

        window.menuItem("mnulock")->trigger();
        QVERIFY(!window.isEditLocked());
        QVERIFY(AreasEnabled(window));
        window.menuItem("mnulock")->trigger();
        QVERIFY(AreasDisabled(window));
        window.close();
        QCOMPARE(run.preferences(), Bytes({1, 0, 0}));
    }

    void unknownLockByteStartsUnlockedAndIsWrittenAsUnlocked() {
        ShellRun run;
        run.writePreferences(Bytes({7, 0, 0}));
        MainWindow& window = run.start();
        QVERIFY(!window.isEditLocked());
        QVERIFY(AreasEnabled(window));
        window.close();
        QCOMPARE(run.preferences(), Bytes({0, 0, 0}));
    }

    void storedEnglishGivesEnglishCaptions() {
        ShellRun run;
        run.writePreferences(Bytes({0, 0, 1}));
        MainWindow& window = run.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("KVD-270 Radio Software V1.00"));
        QCOMPARE(window.findChild<QMenu*>("mnuFile")->title(), QStringLiteral("File(&F)"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Model"));
        QCOMPARE(CellText(window, 0, 0), QStringLiteral("Channel"));
        QCOMPARE(window.findChild<QComboBox*>("Combo3")->itemText(0), QStringLiteral("15 S"));
        window.close();
        QCOMPARE(run.preferences(), Bytes({0, 0, 1}));
    }

    void storedLanguageTwoGivesEnglishCaptionsAndTraditionalButtons() {
        ShellRun run;
        run.writePreferences(Bytes({0, 0, 2}));
        MainWindow& window = run.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("KVD-270 Radio Software V1.00"));

        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        window.LocalizedMessageBox(QStringLiteral("x"), MessageBoxStyle::kOkCancel);
        QCOMPARE(answer.shown().front().buttonTexts,
                 QStringList({QStringLiteral("確定"), QStringLiteral("取消")}));

        // Neither language item applies while the language is neither Chinese nor English.
        window.menuItem("mnuChinese")->trigger();
        window.menuItem("mnuEnglish")->trigger();
        QCOMPARE(run.state.flags.Language, 2);
        QCOMPARE(window.windowTitle(), QStringLiteral("KVD-270 Radio Software V1.00"));
        window.close();
        QCOMPARE(run.preferences(), Bytes({0, 0, 2}));
    }

    void portIsRestoredBeforeTheStoredLanguageIsTaken() {
        ShellRun run;
        run.writePreferences(Bytes({0, 5, 1}));
        MainWindow& window = run.build();
        int restored = -1;
        QStringList buttonTexts;
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        window.setPortRestorer([&](int port) {
            restored = port;
            window.LocalizedMessageBox(QStringLiteral("port failed"), MessageBoxStyle::kOk);
        });
        run.start();
        QCOMPARE(restored, 5);
        QCOMPARE(answer.shown().front().buttonTexts, QStringList({QStringLiteral("确定")}));
        QCOMPARE(run.state.flags.Language, kEnglish);
    }

    void unwritableConfigurationFolderStillStartsAndCloses() {
        QTemporaryDir base;
        QFile blocker(base.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A folder below a plain file can be neither created nor written, not even by root.
        const QString folder = base.filePath("blocker/config");

        RadioState state;
        MainWindow window(state, {folder});
        window.Startup();
        window.show();
        QCOMPARE(window.configFolder(), folder);
        QCOMPARE(state.flags.Language, kChinese);
        QVERIFY(!window.isEditLocked());
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QVERIFY(!QFile::exists(folder + "/parameter"));
    }

    void closeHandlersRunOnceBeforeThePreferencesAreSaved() {
        ShellRun run;
        MainWindow& window = run.start();
        int calls = 0;
        window.addCloseHandler([&] {
            ++calls;
            run.state.flags.PortNumber = 8;
        });
        window.menuItem("mnuQuit")->trigger();
        QVERIFY(!window.isVisible());
        window.close();
        QCOMPARE(calls, 1);
        QCOMPARE(run.preferences(), Bytes({0, 8, 0}));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"

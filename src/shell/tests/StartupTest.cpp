// Start-up and shut-down: the preferences file and its folder, the edit lock, the stored
// language and port.
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

#include "ShellTestSupport.h"
#include "shell/ConfigFolder.h"
#include "shell/Preferences.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// Whether the band frame, the panel and the grid take input.
QList<bool> AreasEnabled(MainWindow& window) {
    return {window.findChild<QGroupBox*>("Frame1")->isEnabled(),
            window.findChild<QGroupBox*>("Frame2")->isEnabled(), window.grid()->isEnabled()};
}

const QString kChineseTitle = QStringLiteral("未命名[*] - KVD-270对讲机编程软件 V1.00");
const QString kEnglishTitle = QStringLiteral("untitled[*] - KVD-270 Radio Software V1.00");

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void storedPreferencesShapeTheStart_data() {
        QTest::addColumn<QByteArray>("stored");  // empty: no file, a first run
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("okButton");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("first run")
            << QByteArray() << false << kChineseTitle << "确定" << QByteArray(3, '\0');
        // Bytes beyond the third are left alone.
        QTest::newRow("locked") << QByteArray("\1\0\0\xff", 4) << true << kChineseTitle << "确定"
                                << QByteArray("\1\0\0\xff", 4);
        // A lock byte the program never wrote leaves the lock off; missing bytes read as 0.
        QTest::newRow("unknown lock, short file")
            << QByteArray("\7", 1) << false << kChineseTitle << "确定" << QByteArray(3, '\0');
        QTest::newRow("english") << QByteArray("\0\0\1", 3) << false << kEnglishTitle << "OK"
                                 << QByteArray("\0\0\1", 3);
        QTest::newRow("language 2") << QByteArray("\0\0\2", 3) << false << kEnglishTitle << "確定"
                                    << QByteArray("\0\0\2", 3);
    }
    void storedPreferencesShapeTheStart() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, locked);
        QFETCH(QString, title);
        QFETCH(QString, okButton);
        QFETCH(QByteArray, saved);
        ShellRun run;
        if (!stored.isEmpty()) {
            run.writePreferences(stored);
        }
        MainWindow& window = run.start();
        QCOMPARE(run.preferences(), stored);  // a missing file is created empty
        QCOMPARE(window.isEditLocked(), locked);
        QCOMPARE(AreasEnabled(window), QList<bool>(3, !locked));
        QCOMPARE(window.windowTitle(), title);
        MessageBoxResponder answer(Style::kIdOk);
        window.LocalizedMessageBox("x", Style::kOk);
        QCOMPARE(answer.shown().front().buttonTexts, QStringList{okButton});

        QVERIFY(window.progressBar()->isHidden());  // nothing in progress yet
        window.close();
        QCOMPARE(run.preferences(), saved);
    }

    // The stored port comes back before the stored language is taken, so its failure speaks
    // Chinese; close handlers run once, before the preferences are saved.
    void portLockAndCloseHandlersAroundTheRun() {
        ShellRun run;
        run.writePreferences(QByteArray("\0\5\1", 3));
        MainWindow& window = run.build();
        int restored = -1;
        MessageBoxResponder answer(Style::kIdOk);
        window.setPortRestorer([&](int port) {
            restored = port;
            window.LocalizedMessageBox("port failed", Style::kOk);
        });
        run.start();
        QCOMPARE(restored, 5);
        QCOMPARE(answer.shown().front().buttonTexts, QStringList{"确定"});
        QCOMPARE(run.state.flags.Language, kEnglish);

        MenuItem(window, "mnulock")->trigger();
        QCOMPARE(AreasEnabled(window), QList<bool>(3, false));
        QVERIFY(window.findChild<QMenu*>("mnuFile")->isEnabled());
        QVERIFY(window.findChild<QToolBar*>("Toolbar1")->isEnabled());
        int calls = 0;
        window.addCloseHandler([&] {
            ++calls;
            run.state.flags.PortNumber = 8;
        });
        // Closing the main window closes every other window with it.
        MenuItem(window, "mnuabout")->trigger();
        QWidget* about = window.findChild<QDialog*>("frmAbout");
        MenuItem(window, "mnuQuit")->trigger();
        QVERIFY(!window.isVisible() && !about->isVisible());
        window.close();
        QCOMPARE(calls, 1);
        QCOMPARE(run.preferences(), QByteArray("\1\x08\1", 3));
    }

    void aPreferencesFileThatMayOnlyBeReadStillGivesItsBytes() {
        ShellRun run;
        run.writePreferences(QByteArray("\0\0\1", 3));
        QFile::setPermissions(Preferences::PathIn(run.folder()), QFileDevice::ReadOwner);
        QCOMPARE(run.start().windowTitle(), kEnglishTitle);
    }

    void aPreferencesFileThatIsAPipeIsIgnored() {
        ShellRun run;
        const QString path = Preferences::PathIn(run.folder());
        QFile::remove(path);
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        MainWindow& window = run.start();  // waited for a writer forever
        QCOMPARE(window.windowTitle(), kChineseTitle);
        QVERIFY(window.close());
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    }

    void configurationFolderIsTheProgramsWhenWritableElseTheUsersAndMayBeUnwritable() {
        QTemporaryDir program;
        QTemporaryDir user;
        QCOMPARE(ChooseConfigFolder(program.path(), user.filePath("cfg")), program.path());
        QVERIFY(!QDir(user.filePath("cfg")).exists());
        QVERIFY(QFile(user.filePath("file")).open(QIODevice::WriteOnly));
        QCOMPARE(ChooseConfigFolder(user.filePath("file"), user.filePath("cfg")),
                 user.filePath("cfg"));
        QVERIFY(QDir(user.filePath("cfg")).exists());

        // A folder below a plain file can be neither created nor written, not even by root.
        const QString folder = user.filePath("file/config");
        RadioState state;
        MainWindow window(state, {folder});
        window.Startup();
        window.show();
        QCOMPARE(state.flags.Language, kChinese);
        QVERIFY(!window.isEditLocked());
        QVERIFY(window.close());
        QVERIFY(!QFile::exists(folder + "/parameter"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"

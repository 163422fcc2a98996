// Menus, toolbar and the maker line of the main window.
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "ShellTestSupport.h"
#include "shell/FileDialogs.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

// Receives the pages the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class WindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void menusStandInOrderWithTheirShortcuts() {
        ShellRun run;
        MainWindow& window = run.start();
        QStringList menus;
        for (QAction* action : window.menuBar()->actions()) {
            menus.append(action->menu()->objectName());
        }
        QCOMPARE(menus,
                 QStringList({"mnuFile", "mnupro", "mnuset", "mnucom", "mnuLanguage", "mnuhelp"}));
        QCOMPARE(window.menuItem("mnureadFre")->shortcut(), QKeySequence("Ctrl+R"));
        QCOMPARE(window.menuItem("mnuwriteFre")->shortcut(), QKeySequence("Ctrl+W"));
        QVERIFY(!window.menuItem("mnumainhelp")->isEnabled());
        QCOMPARE(window.menuItem("mnumainhelp")->text(), QStringLiteral("帮助主题  F1"));
        QVERIFY(window.menuItem("mnulock")->isCheckable());
        QCOMPARE(window.menuItem("mnucom8")->text(), QStringLiteral("COM8(&8)"));
    }

    void toolbarButtonsAreKeyedAndServeTheirMenuItems() {
        ShellRun run;
        MainWindow& window = run.start();
        QStringList keys;
        for (QAction* action : window.findChild<QToolBar*>("Toolbar1")->actions()) {
            keys.append(action->isSeparator() ? "|" : action->property("key").toString());
        }
        QCOMPARE(keys, QStringList({"new", "open", "save", "|", "read", "write", "TAnMa"}));

        // The commands behind the buttons ask; every question is cancelled here.
        MessageBoxResponder noMessages(MessageBoxStyle::kIdCancel);
        FileDialogResponder noFiles(QStringList{});
        const std::pair<const char*, const char*> pairs[] = {{"new", "mnuNew"},
                                                             {"open", "mnuOpen"},
                                                             {"save", "mnuAssave"},
                                                             {"read", "mnureadFre"},
                                                             {"write", "mnuwriteFre"}};
        for (const auto& [key, item] : pairs) {
            QSignalSpy triggered(window.menuItem(item), &QAction::triggered);
            auto* button = window.findChild<QToolButton*>(QStringLiteral("Toolbar1_") + key);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(triggered.size(), 1);
            QVERIFY(!button->icon().isNull());
        }
        QVERIFY(window.toolButton("TAnMa")->toolTip().isEmpty());
        QVERIFY(!window.findChild<QToolButton*>("Toolbar1_TAnMa")->isVisible());
        QCOMPARE(window.toolButton("save")->toolTip(), QStringLiteral("保存"));
    }

    void toolbarPicturesDrawAtNormalAndHighDpi() {
        ShellRun run;
        MainWindow& window = run.start();
        for (const char* key : {"new", "open", "save", "read", "write", "TAnMa"}) {
            const QIcon icon = window.toolButton(key)->icon();
            for (int size : {24, 48}) {
                const QImage image = icon.pixmap(QSize(size, size)).toImage();
                QCOMPARE(image.size(), QSize(size, size));
                int drawn = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        drawn += qAlpha(image.pixel(x, y)) > 0;
                    }
                }
                QVERIFY2(drawn > size * size / 8, key);  // a picture, not an empty square
            }
        }
    }

    void makerLineOpensTheMakersPage() {
        ShellRun run;
        MainWindow& window = run.start();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        auto* maker = window.findChild<QLabel*>("Label2");
        QVERIFY(!maker->text().isEmpty());
        QTest::mouseClick(maker, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.front().scheme(), QStringLiteral("https"));
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"

// The window as a document: the caption, the question before unsaved changes are set aside,
// recent files, drops, the command line, short files and where the windows were.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>

#include "ShellTestSupport.h"
#include "app/Application.h"
#include "channels/ChannelCells.h"
#include "image/ChannelFile.h"
#include "shell/FunctionPanel.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

constexpr auto kQuestion = Style::kSaveDiscardCancel;

void EditCell(MainWindow& window, int row, const char* frequency) {
    ClickCell(window, row, ChannelCells::kRxFrequency);
    Type(frequency);
    Press(Qt::Key_Return);
}

QString WriteChannelFile(const QString& path, const RadioState& state, int length = 853) {
    QFile file(path);
    [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
    file.write(QByteArray::fromStdString(ChannelFile::Render(state).substr(0, length)));
    return path;
}

// The caption in both languages, with "*" where the window shows it modified.
QStringList ShownCaptions(MainWindow& window) {
    QStringList out;
    for (const char* language : {"mnuChinese", "mnuEnglish"}) {
        MenuItem(window, language)->trigger();
        out << window.windowTitle().replace("[*]", window.isWindowModified() ? "*" : "");
    }
    MenuItem(window, "mnuChinese")->trigger();
    return out;
}

QStringList Expected(const char* chinese, const char* english, bool modified) {
    const QString mark = modified ? "*" : "";
    return {QString::fromUtf8(chinese) + mark + QString::fromUtf8(" - KVD-270对讲机编程软件 V1.00"),
            QString::fromUtf8(english) + mark + " - KVD-270 Radio Software V1.00"};
}

void Drop(MainWindow& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
}

QAction* RecentItem(MainWindow& window, int n) {
    const QList<QAction*> items = window.menus().recentFiles->actions();
    return n <= items.size() ? items[n - 1] : nullptr;
}

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void closingWithUnsavedEditsAsksAndEachAnswerDoesWhatItSays() {
        struct Case {
            int answer;
            bool dialogChoosesFile;
            bool closes;
        };
        for (const Case& c :
             {Case{Style::kIdCancel, false, false}, Case{Style::kIdDiscard, false, true},
              Case{Style::kIdSave, false, false},  // the save dialog cancelled
              Case{Style::kIdSave, true, true}}) {
            ShellRun run;
            MainWindow& window = run.startActive();
            ClickCell(window, 1, ChannelCells::kRxFrequency);
            Type("445.5");  // still in its editor when the window is closed
            const QString path = run.folder() + "/saved.DAT";
            FileDialogResponder dialogs(QStringList(c.dialogChoosesFile ? path : QString()));
            MessageBoxResponder answers(c.answer);
            QCOMPARE(window.close(), c.closes);
            QCOMPARE(window.isVisible(), !c.closes);
            QCOMPARE(FrequencyText(run.state.channels[1]->rx), std::string("445.50000"));
            QCOMPARE(answers.shown().size(), 1);
            const MessageBoxRecord& box = answers.shown()[0];
            QCOMPARE(box.prompt, QStringLiteral("是否保存对未命名的配置的修改？"));
            QCOMPARE(box.buttons,
                     QList<int>({Style::kIdSave, Style::kIdDiscard, Style::kIdCancel}));
            QCOMPARE(box.buttonTexts, QStringList({"保存(&S)", "不保存(&D)", "取消"}));
            QCOMPARE(QFileInfo::exists(path), c.dialogChoosesFile);
            if (c.dialogChoosesFile) {
                QFile saved(path);
                QVERIFY(saved.open(QIODevice::ReadOnly));
                QCOMPARE(saved.readAll().toStdString(), ChannelFile::Render(run.state));
            }
        }
        ShellRun unchanged;
        QVERIFY(unchanged.start().close());
        QVERIFY(unchanged.unansweredBoxes().isEmpty());
    }

    // New, Open, Import CSV, Read, a drop and the recent list replace the configuration:
    // Cancel keeps it and shows no file dialog; Save writes the file the table came from.
    void everyReplacingCommandAsksFirst() {
        ShellRun run;
        MainWindow& window = run.startActive();
        MenuItem(window, "mnuEnglish")->trigger();
        RadioState onDisk = StartupState(kEnglish);
        onDisk.band.TakeBand(kBand136);
        FillChannel(onDisk, 1, "145.00000", 0, 1);
        const QString file = WriteChannelFile(run.folder() + "/radio.DAT", onDisk);
        window.requestOpen(file);
        QCOMPARE(run.state.channels, onDisk.channels);
        QVERIFY(!window.isWindowModified());
        EditCell(window, 2, "146");
        QVERIFY(window.isWindowModified());
        const Channels edited = run.state.channels;

        FileDialogResponder dialogs(QStringList{});
        MessageBoxResponder cancel(Style::kIdCancel);
        for (const char* item : {"mnuNew", "mnuOpen", "mnuImportCsv", "mnureadFre"}) {
            MenuItem(window, item)->trigger();
        }
        Drop(window, file);
        RecentItem(window, 1)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(run.state.channels, edited);
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(cancel.shown().size(), 6);
        for (const MessageBoxRecord& box : cancel.shown()) {
            QCOMPARE(box.prompt, QString::fromUtf8("Save changes to “radio.DAT”?"));
            QCOMPARE(box.buttonTexts, QStringList({"&Save", "&Discard", "Cancel"}));
        }

        // New over unsaved changes: the question only, and Save goes to the file itself.
        MessageBoxResponder save(Style::kIdSave);
        MenuItem(window, "mnuNew")->trigger();
        QCOMPARE(save.shown().size(), 1);
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(!run.state.channels.has(1));
        RadioState reopened = StartupState(kEnglish);
        QVERIFY(ChannelFile::Open(file.toStdString(), reopened));
        QCOMPARE(reopened.channels, edited);
        // Nothing unsaved: New's own warning.
        MenuItem(window, "mnuNew")->trigger();
        QCOMPARE(save.shown().size(), 2);
        QCOMPARE(save.shown()[1].prompt, QStringLiteral("All channel data will be clear."));
    }

    void captionInEveryStateInBothLanguages() {
        ShellRun run;
        MainWindow& window = run.startActive();
        QCOMPARE(ShownCaptions(window), Expected("未命名", "untitled", false));
        EditCell(window, 1, "445");
        QCOMPARE(ShownCaptions(window), Expected("未命名", "untitled", true));
        const QString path = run.folder() + "/radio.DAT";
        FileDialogResponder dialogs({path});
        MenuItem(window, "mnuAssave")->trigger();
        QCOMPARE(ShownCaptions(window), Expected("radio.DAT", "radio.DAT", false));
        QCOMPARE(window.windowFilePath(), path);
        // A change undone is no change.
        window.functionPanel()->list(PanelList::TimeoutWarning)->setCurrentIndex(3);
        QCOMPARE(ShownCaptions(window), Expected("radio.DAT", "radio.DAT", true));
        window.functionPanel()
            ->list(PanelList::TimeoutWarning)
            ->setCurrentIndex(StartupState(kChinese).settings.timeoutWarning);
        QCOMPARE(ShownCaptions(window), Expected("radio.DAT", "radio.DAT", false));
        // A dialog's OK changes the configuration too.
        MenuItem(window, "mnusetin")->trigger();
        auto* info = window.findChild<QDialog*>("Form7");
        QVERIFY(info);
        info->findChild<QLineEdit*>()->setText("HELLO");
        info->accept();
        QCOMPARE(ShownCaptions(window), Expected("radio.DAT", "radio.DAT", true));

        const QString csv = run.folder() + "/list.csv";
        QFile list(csv);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Location,Frequency\n1,446.006250\n");
        list.close();
        FileDialogResponder csvDialog({csv});
        MessageBoxResponder discard(Style::kIdDiscard);
        MenuItem(window, "mnuImportCsv")->trigger();
        QCOMPARE(ShownCaptions(window), Expected("未命名", "untitled", true));
        MenuItem(window, "mnuNew")->trigger();
        QCOMPARE(ShownCaptions(window), Expected("未命名", "untitled", false));
    }

    void recentFilesAcrossARestartAndAMissingFile() {
        ShellRun run;
        MainWindow& window = run.start();
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            paths << run.folder() + QStringLiteral("/f%1.DAT").arg(i);
        }
        FileDialogResponder dialogs(paths + QStringList{paths[2]});
        for (int i = 0; i < 9; ++i) {
            MenuItem(window, "mnuAssave")->trigger();
        }
        MenuItem(window, "mnuOpen")->trigger();  // f3 comes first again

        MainWindow& again = run.restart();
        QVERIFY(QFile::remove(paths[8]));
        emit again.menus().recentFiles->aboutToShow();
        const QList<int> order = {3, 9, 8, 7, 6, 5, 4, 2};
        for (int n = 1; n <= 8; ++n) {
            QAction* item = RecentItem(again, n);
            QCOMPARE(item->text(), QStringLiteral("&%1 f%2.DAT").arg(n).arg(order[n - 1]));
            QCOMPARE(item->toolTip(), QDir::toNativeSeparators(paths[order[n - 1] - 1]));
            QCOMPARE(item->isEnabled(), order[n - 1] != 9);
        }
        QVERIFY(RecentItem(again, 9)->isSeparator());
        RecentItem(again, 1)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(again.windowFilePath(), QFileInfo(paths[2]).absoluteFilePath());

        RecentItem(again, 10)->trigger();  // "Clear list"
        QCoreApplication::processEvents();
        MainWindow& third = run.restart();
        QCOMPARE(RecentItem(third, 1)->text(), QStringLiteral("没有最近的文件"));
        QVERIFY(!RecentItem(third, 1)->isEnabled());
        QVERIFY(!RecentItem(third, 3)->isEnabled());  // nothing to clear
    }

    void commandLineFileAndShortFiles() {
        QCOMPARE(FileArgument({"kvd270"}), QString());
        QCOMPARE(FileArgument({"kvd270", "--x", "--", "-a.DAT"}),
                 QFileInfo("-a.DAT").absoluteFilePath());

        ShellRun run;
        RadioState saved = StartupState(kChinese);
        FillChannel(saved, 1, "400.12500", 9, 1);
        FillChannel(saved, 2, "401.12500", 0, 0);
        const QString path = WriteChannelFile(run.folder() + "/short.DAT", saved, 5 + 32);
        MessageBoxResponder ok(Style::kIdOk);
        StartWindow(run.build(), {"kvd270", path});
        MainWindow& window = run.window();
        // Their scan list bits are gone with the rest.
        QCOMPARE(run.state.channels[1]->rx, saved.channels[1]->rx);
        QCOMPARE(run.state.channels[2]->rx, saved.channels[2]->rx);
        QVERIFY(!run.state.channels.has(3));
        QCOMPARE(window.windowFilePath(), path);
        QCOMPARE(window.statusLabel()->text(),
                 QStringLiteral("文件不完整：37 / 853 字节，其余按空白存储器读取"));
        QCOMPARE(ok.shown().size(), 1);
        const QStringList lines = ok.shown()[0].prompt.split('\n');
        QCOMPARE(lines[0],
                 QStringLiteral("文件比信道文件短（37 / 853 字节）。缺少的部分按空白存储器读取："));
        QCOMPARE(lines[1], QStringLiteral("信道 03"));
        QCOMPARE(lines[12], QStringLiteral("信道 14"));
        QVERIFY(lines[13].startsWith(QStringLiteral("……另有 ")));

        ShellRun missing;
        MessageBoxResponder failed(Style::kIdOk);
        StartWindow(missing.build(), {"kvd270", missing.folder() + "/gone.DAT"});
        QCOMPARE(failed.shown().size(), 1);
        QVERIFY(failed.shown()[0].prompt.startsWith(QStringLiteral("无法读取文件")));
        QVERIFY(missing.window().windowTitle().startsWith(QStringLiteral("未命名")));
    }

    void windowsReopenWhereTheyWereLeft() {
        ShellRun run;
        MainWindow& window = run.start();
        window.setGeometry(120, 90, 980, 700);
        MenuItem(window, "mnuabout")->trigger();
        auto* about = window.findChild<QDialog*>("frmAbout");
        QVERIFY(about);
        about->move(300, 220);
        about->hide();
        const QRect main = window.geometry();
        const QPoint aboutPlace = about->pos();

        MainWindow& again = run.restart();
        QCOMPARE(again.geometry(), main);
        MenuItem(again, "mnuabout")->trigger();
        QCOMPARE(again.findChild<QDialog*>("frmAbout")->pos(), aboutPlace);

        again.move(20000, 20000);  // a screen that is gone
        MainWindow& third = run.restart();
        QVERIFY(third.screen()->availableGeometry().intersects(third.frameGeometry()));
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"

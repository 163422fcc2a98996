// A write with a backup read before it and a check read after it, and the comparisons, in
// the window against kvd270-sim: the confirmation, a clean write, a byte the radio does not
// take, a radio silent after the write, a backup read that fails, Compare with radio and
// with file in both languages.
#include <optional>

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "ShellTestSupport.h"
#include "SimRadio.h"
#include "app/ProgramParts.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "link/qt/SerialLink.h"
#include "shell/ComparisonDialog.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;
using link::Outcome;
using link::Step;

namespace {

// What a comparison dialog shows, line by line: title, heading, its button, then "no
// differences" or the table ("caption | ours | theirs", the header first).
QStringList Lines(QDialog* dialog) {
    auto* compare = qobject_cast<ComparisonDialog*>(dialog);
    QStringList lines{dialog->windowTitle(), compare->headingLabel()->text(),
                      compare->acceptButton()->text()};
    QTableWidget* table = compare->table();
    if (table->isHidden()) {
        return lines << compare->noDifferencesLabel()->text();
    }
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item =
                row < 0 ? table->horizontalHeaderItem(column) : table->item(row, column);
            if (!item->text().isEmpty()) {
                cells << item->text();
            }
        }
        lines << cells.join(" | ");
    }
    return lines;
}

// Answers every comparison dialog with `reply`, keeping what each showed.
struct Dialogs {
    explicit Dialogs(int reply)
        : responder([this, reply](const ModalDialogRecord& record) {
              shown.append(Lines(record.dialog));
              return reply;
          }) {}
    QList<QStringList> shown;
    ModalDialogResponder responder;
};

}  // namespace

class WriteChecksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> backups_;
    std::optional<SimRadio> radio_;
    std::unique_ptr<QSignalSpy> steps_;

    // Started in band 136-174MHz, backups in a folder of their own, COM1 open on the radio.
    MainWindow& Start(ShellRun& run, QStringList options) {
        MainWindow& window = run.build();
        window.findChild<LinkCommands*>()->setBackupFolder(backups_->path().toStdString());
        run.start();
        run.state.band.TakeBand(kBand136);
        radio_.emplace(run, options << "--band-code"
                                    << "01");
        MenuItem(window, "mnucom1")->trigger();
        steps_ = std::make_unique<QSignalSpy>(&window.findChild<LinkCommands*>()->serialLink(),
                                              &link::SerialLink::stepStarted);
        return window;
    }

    std::vector<std::filesystem::path> Backups() {
        return Backups::List(backups_->path().toStdString());
    }

    QList<Step> Steps() {
        QList<Step> steps;
        for (const QList<QVariant>& signal : *steps_) {
            steps << signal.first().value<Step>();
        }
        steps_->clear();
        return steps;
    }

    static void WaitForRelease(MainWindow& window) {
        QTRY_VERIFY_WITH_TIMEOUT(window.menus().programming->isEnabled(), 3000);
    }

private slots:
    void init() {
        backups_ = std::make_unique<QTemporaryDir>();
        QVERIFY(backups_->isValid());
    }
    void cleanup() { radio_.reset(); }

    // The confirmation shows what the write changes; Cancel writes nothing; Write writes and
    // the check read confirms it, each conversation counted on the progress bar.
    void aCleanWriteShowsItsChangesThenVerifies() {
        ShellRun run;
        MainWindow& window = Start(run, {});
        FillChannel(run.state, 3, "145.52500", 9, 0);
        QStringList counted;
        connect(&window.findChild<LinkCommands*>()->serialLink(), &link::SerialLink::stepStarted,
                this, [&] { counted << window.progressBar()->text(); });
        Dialogs cancel(QDialog::Rejected);
        QCOMPARE(Converse(window, "mnuwriteFre"), Outcome::WriteCancelled);
        QCOMPARE(Steps(), QList<Step>({Step::Backup}));
        const QStringList& shown = cancel.shown.at(0);
        QCOMPARE(shown.mid(0, 4), QStringList({"写入对讲机", "写频将改变对讲机中的以下内容：",
                                               "写入", "项目 | 将写入 | 对讲机现有"}));
        const qsizetype channel3 = shown.indexOf(QStringLiteral("信道 03"));
        QVERIFY2(channel3 > 0 && shown[channel3 + 1].startsWith("接收频率 | 145.52500 | 137.05000"),
                 qPrintable(shown.join('\n')));
        WaitForRelease(window);

        Dialogs write(QDialog::Accepted);
        QCOMPARE(Converse(window, "mnuwriteFre"), Outcome::WriteVerified);
        QVERIFY(radio_->says("ended write, 46 blocks"));
        QCOMPARE(Steps(), QList<Step>({Step::Backup, Step::Write, Step::Check}));
        QCOMPARE(counted.mid(1), QStringList({"1/3", "2/3", "3/3"}));
        QCOMPARE(Backups().size(), std::size_t(2));
        WaitForRelease(window);
        QCOMPARE(window.statusLabel()->text(),
                 QStringLiteral("写频成功！已校验：对讲机中的数据与写入的一致。  备份：") +
                     QString::fromStdString(Backups().back().filename().string()));
        QVERIFY(run.unansweredBoxes().isEmpty());
    }

    // The radio keeps its own second byte of channel 3's receive frequency: the window names
    // the field, never success.
    void aStuckByteIsReportedWithItsField() {
        ShellRun run;
        MainWindow& window = Start(run, {"--stuck-byte", "0x21"});
        MenuItem(window, "mnuEnglish")->trigger();
        FillChannel(run.state, 3, "145.52500", 9, 0);
        Dialogs dialogs(QDialog::Accepted);
        QCOMPARE(Converse(window, "mnuwriteFre"), Outcome::WriteDiffers);
        QCOMPARE(dialogs.shown.size(), 2);  // the confirmation, then the check's finding
        QCOMPARE(dialogs.shown[1].mid(1, 4),
                 QStringList({"Written, but the radio holds something else.", "Close",
                              "Field | Written | Radio holds", "Channel 03"}));
        QVERIFY(dialogs.shown[1][5].startsWith("RX frequency | 145.52500 | 145.55000"));
        WaitForRelease(window);
        QVERIFY(window.statusLabel()->text().startsWith(
            "Written, but the radio holds something else.  Backup: "));
    }

    // A radio that does not answer after the write is reported as such. It would not answer
    // the write after a backup read either, so this write goes without one: the option is on
    // at first, and the next start remembers it off.
    void aRadioSilentAfterTheWriteIsNotVerified() {
        ShellRun run;
        MainWindow& window = Start(run, {"--restart-delay", "6000"});
        QVERIFY(MenuItem(window, "mnuBackupFirst")->isChecked());
        MenuItem(window, "mnuBackupFirst")->trigger();
        RadioState nextState;
        MainWindow next(nextState, {run.folder()});
        AttachProgramParts(next);
        QVERIFY(!MenuItem(next, "mnuBackupFirst")->isChecked());
        QVERIFY(MenuItem(next, "mnuVerifyAfter")->isChecked());
        MessageBoxResponder ok(Style::kIdOk);
        QCOMPARE(Converse(window, "mnuwriteFre"), Outcome::WriteUnverified);
        QCOMPARE(Steps(), QList<Step>({Step::Write, Step::Check}));
        QCOMPARE(ok.shown().size(), 1);
        QCOMPARE(ok.shown()[0].prompt, QStringLiteral("已写入，未校验：对讲机没有响应校验读取。"));
        QVERIFY(!window.statusLabel()->text().contains(QStringLiteral("成功")));
        QVERIFY(run.unansweredDialogs().isEmpty());
    }

    // A backup read that fails writes nothing; writing anyway takes a second Yes.
    void aFailedBackupReadStopsTheWrite() {
        ShellRun run;
        MainWindow& window = Start(run, {"--silent"});
        QList<int> answers = {Style::kIdOk, Style::kIdYes, Style::kIdNo};
        MessageBoxResponder boxes([&](const MessageBoxRecord&) { return answers.takeFirst(); });
        QCOMPARE(Converse(window, "mnuwriteFre"), Outcome::BackupFailed);
        QCOMPARE(boxes.shown().size(), 3);
        QVERIFY(boxes.shown()[0].prompt.startsWith(QStringLiteral("通信出错")));
        QCOMPARE(boxes.shown()[1].prompt,
                 QStringLiteral("无法读取对讲机进行备份，没有写入任何数据。\n\n"
                                "是否在没有备份对讲机数据的情况下仍然写入？"));
        QVERIFY(boxes.shown()[1].defaultButton == Style::kIdNo &&
                boxes.shown()[2].defaultButton == Style::kIdNo);
        QCOMPARE(Steps(), QList<Step>({Step::Backup}));

        answers = {Style::kIdOk, Style::kIdYes, Style::kIdYes, Style::kIdOk};
        QSignalSpy ended(window.findChild<LinkCommands*>(), &LinkCommands::conversationEnded);
        QCOMPARE(Converse(window, "mnuwriteFre"), Outcome::BackupFailed);
        QVERIFY(ended.wait(10000));  // the write without a backup, to a radio still silent
        QCOMPARE(ended.last().first().value<Outcome>(), Outcome::TimedOut);
        QCOMPARE(Steps(), QList<Step>({Step::Backup, Step::Write}));
        QVERIFY(Backups().empty());
    }

    // Compare with radio reads without taking the read, then shows the differences or that
    // there are none; Compare with file likewise, in English.
    void comparisonsInBothLanguages() {
        ShellRun run;
        MainWindow& window = Start(run, {});
        Dialogs dialogs(QDialog::Rejected);
        QCOMPARE(Converse(window, "mnuCompareRadio"), Outcome::ReadDone);
        QVERIFY(!run.state.channels.has(1));  // the window keeps what it had
        QCOMPARE(Backups().size(), std::size_t(1));
        QCOMPARE(dialogs.shown[0].mid(0, 5), QStringList({"比较", "本窗口与对讲机的差别：", "关闭",
                                                          "项目 | 本窗口 | 对讲机", "信道 01"}));
        QVERIFY(dialogs.shown[0].contains(QStringLiteral("设置")));
        WaitForRelease(window);
        MessageBoxResponder discard(Style::kIdDiscard);  // the window's unsaved band
        QCOMPARE(Converse(window, "mnureadFre"), Outcome::ReadDone);
        WaitForRelease(window);
        QCOMPARE(Converse(window, "mnuCompareRadio"), Outcome::ReadDone);
        QCOMPARE(dialogs.shown[1].mid(1),
                 QStringList({"本窗口与对讲机的差别：", "关闭", "没有差别。"}));

        MenuItem(window, "mnuEnglish")->trigger();
        RadioState other = run.state;
        other.channels[1]->power = Power::Low;
        const QString path = run.folder() + "/other.DAT";
        QVERIFY(ChannelFile::Save(path.toStdString(), other));
        FileDialogResponder files({path});
        MenuItem(window, "mnuCompareFile")->trigger();
        QCOMPARE(dialogs.shown[2],
                 QStringList({"Comparison", "Differences between this window and other.DAT:",
                              "Close", "Field | This window | other.DAT", "Channel 01",
                              "Power | Hight | Low"}));  // the list item as the table shows it
    }
};

QTEST_MAIN(WriteChecksTest)
#include "WriteChecksTest.moc"

// A write with a backup read before it and a check read after it, and the comparisons, in
// the window against kvd270-sim: the confirmation, a clean write, a byte the radio does not
// take, a radio silent after the write, a backup read that fails, Compare with radio and
// with file in both languages, and the two options of the Programming menu.
#include <QHeaderView>
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
#include "shell/WriteOptions.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// What a comparison dialog showed: its texts, the table as "caption | ours | theirs" lines
// (the header first; a heading alone on its line).
struct Shown {
    QString title, heading, accept;
    QStringList lines;
    bool noDifferences = false;
};

Shown Read(QDialog* dialog) {
    auto* compare = qobject_cast<ComparisonDialog*>(dialog);
    Shown shown;
    shown.title = dialog->windowTitle();
    shown.heading = compare->headingLabel()->text();
    shown.accept = compare->acceptButton()->text();
    QTableWidget* table = compare->table();
    QStringList header;
    for (int column = 0; column < table->columnCount(); ++column) {
        header << table->horizontalHeaderItem(column)->text();
    }
    shown.lines << header.join(" | ");
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (!table->item(row, column)->text().isEmpty()) {
                cells << table->item(row, column)->text();
            }
        }
        shown.lines << cells.join(" | ");
    }
    shown.noDifferences = !compare->noDifferencesLabel()->isHidden() && table->isHidden();
    return shown;
}

// Answers every comparison dialog with `reply`, keeping what each showed.
struct Dialogs {
    explicit Dialogs(int reply)
        : responder([this, reply](const ModalDialogRecord& record) {
              shown.append(Read(record.dialog));
              return reply;
          }) {}
    QList<Shown> shown;
    ModalDialogResponder responder;
};

}  // namespace

class WriteChecksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> backups_;

    // Started, backups in a folder of their own, COM1 opened on the radio.
    MainWindow& Start(ShellRun& run, SimRadio*& radio, std::unique_ptr<SimRadio>& holder,
                      const QStringList& options) {
        MainWindow& window = run.build();
        window.findChild<LinkCommands*>()->setBackupFolder(backups_->path().toStdString());
        run.start();
        holder = std::make_unique<SimRadio>(run, options);
        radio = holder.get();
        MenuItem(window, "mnucom1")->trigger();
        return window;
    }

    std::size_t BackupCount() { return Backups::List(backups_->path().toStdString()).size(); }

    static QList<link::Step> Steps(const QSignalSpy& spy) {
        QList<link::Step> steps;
        for (const QList<QVariant>& signal : spy) {
            steps << signal.first().value<link::Step>();
        }
        return steps;
    }

private slots:
    void init() {
        backups_ = std::make_unique<QTemporaryDir>();
        QVERIFY(backups_->isValid());
    }

    // The confirmation shows what the write changes; Cancel writes nothing; Write writes and
    // the check read confirms it, each conversation counted on the progress bar.
    void aCleanWriteShowsItsChangesThenVerifies() {
        ShellRun run;
        SimRadio* radio = nullptr;
        std::unique_ptr<SimRadio> holder;
        MainWindow& window = Start(run, radio, holder, {"--band-code", "01"});
        run.state.band.TakeBand(kBand136);
        FillChannel(run.state, 3, "145.52500", 9, 0);
        QSignalSpy steps(&window.findChild<LinkCommands*>()->serialLink(),
                         &link::SerialLink::stepStarted);
        QStringList progress;
        connect(window.progressBar(), &QProgressBar::valueChanged, this, [&] {
            if (window.progressBar()->isTextVisible()) {
                progress << window.progressBar()->text();
            }
        });
        {
            Dialogs cancel(QDialog::Rejected);
            QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteCancelled);
            QCOMPARE(Steps(steps), QList<link::Step>({link::Step::Backup}));
            QCOMPARE(cancel.shown.size(), 1);
            const Shown& shown = cancel.shown[0];
            QCOMPARE(shown.title, QStringLiteral("写入对讲机"));
            QCOMPARE(shown.heading, QStringLiteral("写频将改变对讲机中的以下内容："));
            QCOMPARE(shown.accept, QStringLiteral("写入"));
            QCOMPARE(shown.lines[0], QStringLiteral("项目 | 将写入 | 对讲机现有"));
            const int channel3 = shown.lines.indexOf(QStringLiteral("信道 03"));
            QVERIFY(channel3 > 0);
            QVERIFY2(
                shown.lines[channel3 + 1].startsWith(QStringLiteral("接收频率 | 145.52500 | ")),
                qPrintable(shown.lines.join('\n')));
        }
        QCOMPARE(BackupCount(), std::size_t(1));
        QTRY_VERIFY_WITH_TIMEOUT(window.toolBar().write->isEnabled(), 3000);

        steps.clear();
        Dialogs write(QDialog::Accepted);
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteVerified);
        QVERIFY(radio->says("ended write, 46 blocks"));
        QCOMPARE(Steps(steps),
                 QList<link::Step>({link::Step::Backup, link::Step::Write, link::Step::Check}));
        QCOMPARE(write.shown.size(), 1);
        QVERIFY(progress.contains("1/3") && progress.contains("2/3") && progress.contains("3/3"));
        QCOMPARE(BackupCount(), std::size_t(2));
        const QString newest = QString::fromStdString(
            Backups::List(backups_->path().toStdString()).back().filename().string());
        QTRY_VERIFY_WITH_TIMEOUT(window.toolBar().write->isEnabled(), 3000);
        QCOMPARE(window.statusLabel()->text(),
                 QStringLiteral("写频成功！已校验：对讲机中的数据与写入的一致。  备份：") + newest);
        QVERIFY(run.unansweredBoxes().isEmpty());
    }

    // The radio keeps the old second byte of channel 3's receive frequency: the window says so
    // with the field, never success.
    void aStuckByteIsReportedWithItsField() {
        ShellRun run;
        SimRadio* radio = nullptr;
        std::unique_ptr<SimRadio> holder;
        MainWindow& window =
            Start(run, radio, holder, {"--band-code", "01", "--stuck-byte", "0x21"});
        MenuItem(window, "mnuEnglish")->trigger();
        run.state.band.TakeBand(kBand136);
        FillChannel(run.state, 3, "145.52500", 9, 0);
        Dialogs dialogs(QDialog::Accepted);
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteDiffers);
        QCOMPARE(dialogs.shown.size(), 2);  // the confirmation, then the check's finding
        const Shown& found = dialogs.shown[1];
        QCOMPARE(found.heading, QStringLiteral("Written, but the radio holds something else."));
        QCOMPARE(found.accept, QStringLiteral("Close"));
        QCOMPARE(found.lines.mid(0, 2),
                 QStringList({"Field | Written | Radio holds", "Channel 03"}));
        QVERIFY2(found.lines[2].startsWith("RX frequency | 145.52500 | "),
                 qPrintable(found.lines.join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(window.toolBar().write->isEnabled(), 3000);
        QVERIFY(window.statusLabel()->text().startsWith(
            "Written, but the radio holds something else.  Backup: "));
    }

    // A radio that does not answer after the write is reported as such. It would not answer
    // the write after a backup read either, so this write goes without one.
    void aRadioSilentAfterTheWriteIsNotVerified() {
        ShellRun run;
        SimRadio* radio = nullptr;
        std::unique_ptr<SimRadio> holder;
        MainWindow& window =
            Start(run, radio, holder, {"--band-code", "01", "--restart-delay", "6000"});
        run.state.band.TakeBand(kBand136);
        MenuItem(window, "mnuBackupFirst")->trigger();
        Dialogs dialogs(QDialog::Accepted);
        MessageBoxResponder ok(Style::kIdOk);
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteUnverified);
        QCOMPARE(ok.shown().size(), 1);
        QCOMPARE(ok.shown()[0].prompt, QStringLiteral("已写入，未校验：对讲机没有响应校验读取。"));
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(!window.statusLabel()->text().contains(QStringLiteral("成功")));
    }

    // A backup read that fails writes nothing; writing anyway takes a second Yes.
    void aFailedBackupReadStopsTheWrite() {
        ShellRun run;
        SimRadio* radio = nullptr;
        std::unique_ptr<SimRadio> holder;
        MainWindow& window = Start(run, radio, holder, {"--silent"});
        QSignalSpy steps(&window.findChild<LinkCommands*>()->serialLink(),
                         &link::SerialLink::stepStarted);
        QList<int> answers = {Style::kIdOk, Style::kIdYes, Style::kIdNo};
        MessageBoxResponder boxes([&](const MessageBoxRecord&) { return answers.takeFirst(); });
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::BackupFailed);
        QCOMPARE(boxes.shown().size(), 3);
        QVERIFY(boxes.shown()[0].prompt.startsWith(QStringLiteral("通信出错")));
        QCOMPARE(boxes.shown()[1].prompt,
                 QStringLiteral("无法读取对讲机进行备份，没有写入任何数据。\n\n"
                                "是否在没有备份对讲机数据的情况下仍然写入？"));
        QCOMPARE(boxes.shown()[1].defaultButton, Style::kIdNo);
        QCOMPARE(boxes.shown()[2].defaultButton, Style::kIdNo);
        QCOMPARE(Steps(steps), QList<link::Step>({link::Step::Backup}));
        QCOMPARE(BackupCount(), std::size_t(0));

        answers = {Style::kIdOk, Style::kIdYes, Style::kIdYes, Style::kIdOk};
        QSignalSpy ended(window.findChild<LinkCommands*>(), &LinkCommands::conversationEnded);
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::BackupFailed);
        QVERIFY(ended.wait(10000));  // the write without a backup, to a radio that stays silent
        QCOMPARE(ended.last().first().value<link::Outcome>(), link::Outcome::TimedOut);
        QCOMPARE(Steps(steps).mid(1), QList<link::Step>({link::Step::Backup, link::Step::Write}));
    }

    // Compare with radio reads without taking the read, then shows the differences or that
    // there are none; Compare with file likewise, in English.
    void comparisonsInBothLanguages() {
        ShellRun run;
        SimRadio* radio = nullptr;
        std::unique_ptr<SimRadio> holder;
        MainWindow& window = Start(run, radio, holder, {"--band-code", "01"});
        Dialogs dialogs(QDialog::Rejected);
        QCOMPARE(Converse(window, "mnuCompareRadio"), link::Outcome::ReadDone);
        QVERIFY(!run.state.channels.has(1));  // the window keeps what it had
        QCOMPARE(BackupCount(), std::size_t(1));
        QTRY_VERIFY_WITH_TIMEOUT(window.menus().programming->isEnabled(), 3000);
        QCOMPARE(Converse(window, "mnureadFre"), link::Outcome::ReadDone);
        QTRY_VERIFY_WITH_TIMEOUT(window.menus().programming->isEnabled(), 3000);
        QCOMPARE(Converse(window, "mnuCompareRadio"), link::Outcome::ReadDone);
        QCOMPARE(dialogs.shown.size(), 2);
        const Shown& before = dialogs.shown[0];
        QCOMPARE(before.title, QStringLiteral("比较"));
        QCOMPARE(before.heading, QStringLiteral("本窗口与对讲机的差别："));
        QCOMPARE(before.lines.mid(0, 2), QStringList({"项目 | 本窗口 | 对讲机", "信道 01"}));
        QVERIFY(before.lines.contains(QStringLiteral("设置")));
        QVERIFY(!before.noDifferences);
        QVERIFY(dialogs.shown[1].noDifferences);

        MenuItem(window, "mnuEnglish")->trigger();
        RadioState other = run.state;
        other.channels[1]->power =
            other.channels[1]->power == Power::High ? Power::Low : Power::High;
        const QString path = run.folder() + "/other.DAT";
        QVERIFY(ChannelFile::Save(path.toStdString(), other));
        FileDialogResponder files(QStringList(2, path));
        MenuItem(window, "mnuCompareFile")->trigger();
        QCOMPARE(dialogs.shown.size(), 3);
        QCOMPARE(dialogs.shown[2].heading,
                 QStringLiteral("Differences between this window and other.DAT:"));
        const QStringList& lines = dialogs.shown[2].lines;
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.mid(0, 2), QStringList({"Field | This window | other.DAT", "Channel 01"}));
        QVERIFY2(lines[2].startsWith("Power | "), qPrintable(lines[2]));
        QCOMPARE(dialogs.shown[2].title, QStringLiteral("Comparison"));
    }

    // Both steps are on at first; turned off they are remembered and a write is one plain
    // conversation.
    void theOptionsAreRememberedAndTurnTheStepsOff() {
        ShellRun run;
        SimRadio* radio = nullptr;
        std::unique_ptr<SimRadio> holder;
        MainWindow& window = Start(run, radio, holder, {"--band-code", "01"});
        run.state.band.TakeBand(kBand136);
        QVERIFY(MenuItem(window, "mnuBackupFirst")->isChecked());
        QVERIFY(MenuItem(window, "mnuVerifyAfter")->isChecked());
        MenuItem(window, "mnuBackupFirst")->trigger();
        MenuItem(window, "mnuVerifyAfter")->trigger();
        QCOMPARE(WriteOptions::Load(run.folder()), (WriteOptions{false, false}));
        RadioState nextState;
        MainWindow next(nextState, {run.folder()});
        AttachProgramParts(next);
        QVERIFY(!MenuItem(next, "mnuBackupFirst")->isChecked());

        QSignalSpy steps(&window.findChild<LinkCommands*>()->serialLink(),
                         &link::SerialLink::stepStarted);
        QCOMPARE(Converse(window, "mnuwriteFre"), link::Outcome::WriteDone);
        QCOMPARE(Steps(steps), QList<link::Step>({link::Step::Write}));
        QCOMPARE(BackupCount(), std::size_t(0));
        QVERIFY(run.unansweredDialogs().isEmpty());
    }
};

QTEST_MAIN(WriteChecksTest)
#include "WriteChecksTest.moc"

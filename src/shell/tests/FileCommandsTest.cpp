// New, Open and Save of channel files through the real dialogs' code path: what each
// dialog and message offers, the round trip, overwriting, refusals and failures, Cancel.
#include <QDir>
#include <QFile>
#include <QTest>

#include "EditorTestSupport.h"
#include "image/ChannelFile.h"
#include "shell/BandCombo.h"
#include "shell/FileDialogs.h"
#include "shell/FunctionPanel.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;
namespace Style = kvd::gui::MessageBoxStyle;
using Col = ChannelTable::Column;

namespace {

// Channels of every kind and settings away from their start-up values.
void FillVariedState(RadioState& state) {
    state.band.TakeBand(kBand136);
    FillChannel(state, 1, "145.00000", 9, 1);
    FillChannel(state, 2, "150.02500", 60, 0);
    FillChannel(state, 16, "173.99500", 200, 1);
    state.table.setCell(2, Col::kTxFrequency, "151.00000");
    state.panel.positions = {2, 7, 3, 5, 0, 0};
    state.settings.KeyFunction1 = 3;
    state.settings.HighPowerLevel = 200;
    state.settings.LowPowerLevel = 17;
    state.settings.FunctionOptions[19] = "120";  // empty at start-up, which no file carries
    state.settings.FunctionOptions[20] = "30";
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenReproducesEveryCellAndSetting() {
        ShellRun run;
        MainWindow& window = StartActive(run);
        FillVariedState(run.state);
        const RadioState saved = run.state;
        const QString path = run.folder() + "/radio.DAT";

        FileDialogResponder dialogs({path, path});
        window.toolButton("save")->trigger();
        const QByteArray bytes = FileBytes(path);
        QCOMPARE(bytes.size(), 853);
        QVERIFY(bytes.startsWith("KVD27"));
        QCOMPARE(window.windowTitle(), "KVD-270-" + QDir::toNativeSeparators(path));

        ApplyStartupDefaults(run.state);
        run.state.table.ClearGrid();
        run.state.flags.DebugAccess = 1;
        window.toolButton("open")->trigger();

        QCOMPARE(run.state.table, saved.table);
        QCOMPARE(run.state.panel, saved.panel);
        QVERIFY(run.state.settings == saved.settings);
        QCOMPARE(run.state.flags.DebugAccess, 0);
        QCOMPARE(window.bandList()->currentText(), QStringLiteral("136-174MHz"));
        QCOMPARE(CellText(window, 16, Col::kRxFrequency), QStringLiteral("173.99500"));
        QCOMPARE(window.functionPanel()->list(PanelList(1))->currentIndex(), 7);

        QCOMPARE(dialogs.shown().size(), 2);
        for (const FileDialogRecord& dialog : dialogs.shown()) {
            QCOMPARE(dialog.nameFilters, QStringList({"KVD-270 (*.DAT)"}));
            QCOMPARE(dialog.defaultSuffix, QStringLiteral("DAT"));
        }
        QCOMPARE(dialogs.shown()[0].acceptMode, QFileDialog::AcceptSave);
        QVERIFY(!dialogs.shown()[0].confirmsOverwrite);  // the program asks, in its language
        QCOMPARE(dialogs.shown()[1].acceptMode, QFileDialog::AcceptOpen);
        QCOMPARE(dialogs.shown()[1].fileMode, QFileDialog::ExistingFile);
        QCOMPARE(dialogs.shown()[1].directory, run.folder());
    }

    void overwriteAnsweredNoAsksForAFileAgain() {
        ShellRun run;
        MainWindow& window = StartActive(run);
        FillVariedState(run.state);
        const QString path = run.folder() + "/old.DAT";
        WriteBytes(path, "old contents");

        // No, then Cancel in the dialog shown again: nothing is written.
        FileDialogResponder firstTry({path});
        MessageBoxResponder no(Style::kIdNo);
        window.menuItem("mnuAssave")->trigger();
        QCOMPARE(firstTry.shown().size(), 2);
        QCOMPARE(FileBytes(path), QByteArray("old contents"));
        QVERIFY(!window.windowTitle().contains(path));
        const MessageBoxRecord& question = no.shown().front();
        QCOMPARE(question.prompt, QStringLiteral("该文件已存在，是否覆盖？"));
        QCOMPARE(question.buttons, QList<int>({Style::kIdYes, Style::kIdNo}));
        QCOMPARE(question.icon, QMessageBox::Question);

        // No, then Yes.
        window.menuItem("mnuEnglish")->trigger();
        QList<int> answers = {Style::kIdNo, Style::kIdYes};
        MessageBoxResponder noThenYes([&](const MessageBoxRecord&) { return answers.takeFirst(); });
        FileDialogResponder secondTry({path, path});
        window.menuItem("mnuAssave")->trigger();
        QCOMPARE(noThenYes.shown().size(), 2);
        QCOMPARE(noThenYes.shown()[0].prompt,
                 QStringLiteral("This file already exists, whether to cover?"));
        QCOMPARE(FileBytes(path), QByteArray::fromStdString(ChannelFile::Render(run.state)));
    }

    void refusedAndFailedFilesChangeNothingAndSaySo() {
        ShellRun run;
        MainWindow& window = StartActive(run);
        FillVariedState(run.state);
        const RadioState before = run.state;
        const QString title = window.windowTitle();
        const QString otherType = run.folder() + "/other.DAT";
        WriteBytes(otherType, "KVD28" + QByteArray(848, '\0'));
        // A folder the program cannot write into. Root writes anywhere: then a name inside
        // a plain file stands in for it.
        const QString locked = run.folder() + "/locked";
        QDir().mkdir(locked);
        WriteBytes(locked + "/kept.DAT", "old contents");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const bool permissionsBind = !QFile(locked + "/probe").open(QIODevice::WriteOnly);
        const QString unwritable = permissionsBind ? locked + "/kept.DAT" : otherType + "/x.DAT";

        FileDialogResponder dialogs({otherType, run.folder() + "/gone.DAT", unwritable});
        MessageBoxResponder answers([](const MessageBoxRecord& box) {
            return box.buttons.contains(Style::kIdYes) ? Style::kIdYes : Style::kIdOk;
        });
        window.menuItem("mnuOpen")->trigger();
        window.menuItem("mnuOpen")->trigger();
        window.menuItem("mnuAssave")->trigger();
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QList<MessageBoxRecord> shown = answers.shown();
        if (permissionsBind) {
            QCOMPARE(shown.takeAt(2).prompt, QStringLiteral("该文件已存在，是否覆盖？"));
        }
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].prompt, QStringLiteral("文件类型不对，无法打开。"));
        QCOMPARE(shown[0].title, QStringLiteral("KVD-270"));
        QCOMPARE(shown[0].buttons, QList<int>({Style::kIdOk}));
        QVERIFY(shown[1].prompt.startsWith(QStringLiteral("无法读取文件")));
        QVERIFY(shown[2].prompt.startsWith(QStringLiteral("无法写入文件")));
        QVERIFY(shown[2].prompt.contains(QDir::toNativeSeparators(unwritable)));
        QCOMPARE(shown[2].icon, QMessageBox::Critical);
        QCOMPARE(FileBytes(locked + "/kept.DAT"), QByteArray("old contents"));
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(run.state.table, before.table);
        QVERIFY(run.state.settings == before.settings);
    }

    void cancellingChangesNothing() {
        ShellRun run;
        MainWindow& window = StartActive(run);
        FillVariedState(run.state);
        const RadioState before = run.state;
        const QString title = window.windowTitle();

        MessageBoxResponder cancel(Style::kIdCancel);
        window.menuItem("mnuNew")->trigger();
        QCOMPARE(run.state.table, before.table);
        const MessageBoxRecord& warning = cancel.shown().front();
        QCOMPARE(warning.prompt, QStringLiteral("所有信道的数据将被清除！"));
        QCOMPARE(warning.title, QStringLiteral("警告"));
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.buttons, QList<int>({Style::kIdOk, Style::kIdCancel}));
        QCOMPARE(warning.defaultButton, Style::kIdCancel);

        // The band list's question stays off from before the open dialog, even on Cancel.
        run.state.band.ListOpened();
        bool suppressedWhenAsked = false;
        FileDialogResponder dialogs([&](const FileDialogRecord&) {
            suppressedWhenAsked = run.state.band.SuppressBandPrompt;
            return QString();
        });
        window.menuItem("mnuOpen")->trigger();
        window.menuItem("mnuAssave")->trigger();
        QVERIFY(suppressedWhenAsked);
        QCOMPARE(dialogs.shown().size(), 2);
        QCOMPARE(run.state.table, before.table);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(QDir(run.folder()).entryList({"*.DAT"}, QDir::Files), QStringList());
        QCOMPARE(cancel.shown().size(), 1);
    }

    void newEmptiesTheChannelsOnly() {
        ShellRun run;
        MainWindow& window = StartActive(run);
        window.menuItem("mnuEnglish")->trigger();
        FillVariedState(run.state);
        const RadioState before = run.state;
        MessageBoxResponder ok(Style::kIdOk);
        window.toolButton("new")->trigger();
        QCOMPARE(ok.shown().front().title, QStringLiteral("Warnning"));
        QCOMPARE(ok.shown().front().prompt, QStringLiteral("All channel data will be clear."));
        for (int row = 1; row <= 16; ++row) {
            QVERIFY(!run.state.table.hasChannel(row));
        }
        QCOMPARE(CellText(window, 2, 0), QStringLiteral("02"));
        QCOMPARE(run.state.panel, before.panel);
        QCOMPARE(run.state.band.position(), kBand136);
        QVERIFY(run.state.settings == before.settings);
    }

    void aFileCommandCommitsTheOpenEditorFirst() {
        ShellRun run;
        MainWindow& window = StartActive(run);
        run.state.band.TakeBand(kBand136);
        const QString path = run.folder() + "/typed.DAT";
        ClickCell(window, 3, Col::kRxFrequency);
        Type("146.5");
        FileDialogResponder dialog({path});
        window.menuItem("mnuAssave")->trigger();
        RadioState reopened;
        QVERIFY(ChannelFile::Open(path.toStdString(), reopened));
        QCOMPARE(reopened.table.cell(3, Col::kRxFrequency), std::string("146.50000"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"

// Editing as in a spreadsheet: undo and redo of every kind of change, whole rows and the
// clipboard, through the window's menus, keys and message-box seams.
#include <functional>

#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include "ShellTestSupport.h"
#include "channels/ChannelCells.h"
#include "image/ChannelFile.h"
#include "image/Comparison.h"
#include "shell/FunctionPanel.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// Channels 1..3 on 145, 146 and 147 MHz in band 136-174, the interface in English.
MainWindow& StartWithChannels(ShellRun& run) {
    MainWindow& window = run.startActive();
    MenuItem(window, "mnuEnglish")->trigger();
    window.bandList()->setCurrentIndex(kBand136);  // the table is empty: no question
    for (int row = 1; row <= 3; ++row) {
        FillChannel(run.state, row, QByteArray::number(144 + row).append(".00000").constData(), row,
                    row % 2);
    }
    window.RefreshFromState();
    return window;
}

// Clicks the channel numbers of `rows` (the first alone, the others with `extend`), then
// presses the keys.
void OnRows(MainWindow& window, std::initializer_list<int> rows, const char* keys,
            Qt::KeyboardModifier extend = Qt::ControlModifier) {
    Qt::KeyboardModifiers modifiers;
    for (int row : rows) {
        const QRect cell = window.grid()->visualRect(window.gridModel()->index(row, 0));
        QTest::mouseClick(window.grid()->viewport(), Qt::LeftButton, modifiers, cell.center());
        modifiers = extend;
    }
    QTest::keySequence(window.grid(), QKeySequence(QString::fromLatin1(keys)));
}

void Key(MainWindow& window, const char* keys) {
    QTest::keySequence(window.grid(), QKeySequence(QString::fromLatin1(keys)));
}

QString WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
    file.write(QByteArray::fromStdString(bytes));
    return path;
}

bool Same(const RadioState& a, const RadioState& b) {
    return Compare(a, b).empty();
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    // Each kind of change goes back to the exact configuration and forward again, named by
    // the undo item in both languages.
    void everyKindOfChangeIsUndoneAndRedone() {
        using Change = std::function<void(ShellRun&, MainWindow&)>;
        const std::pair<const char*, Change> cases[] = {
            {"Undo edit of channel 03 receive frequency",
             [](ShellRun&, MainWindow& w) {
                 ClickCell(w, 3, ChannelCells::kRxFrequency);
                 Type("150.5");
                 Press(Qt::Key_Return);
             }},
            {"Undo band change",
             [](ShellRun&, MainWindow& w) {
                 MessageBoxResponder ok(Style::kIdOk);
                 w.bandList()->setCurrentIndex(0);
             }},
            {"Undo function set change",
             [](ShellRun&, MainWindow& w) {
                 w.functionPanel()->list(PanelList::Squelch)->setCurrentIndex(7);
             }},
            {"Undo settings change",
             [](ShellRun&, MainWindow& w) {
                 MenuItem(w, "mnusetin")->trigger();
                 auto* info = w.findChild<QDialog*>("Form7");
                 info->findChild<QLineEdit*>()->setText("HELLO");
                 info->accept();
             }},
            {"Undo new configuration",
             [](ShellRun&, MainWindow& w) {
                 MessageBoxResponder ok(Style::kIdDiscard);
                 MenuItem(w, "mnuNew")->trigger();
             }},
            {"Undo opening other.DAT",
             [](ShellRun& run, MainWindow& w) {
                 RadioState other = StartupState(kEnglish);
                 other.band.TakeBand(2);
                 FillChannel(other, 9, "420.00000", 4, 0);
                 MessageBoxResponder discard(Style::kIdDiscard);
                 w.requestOpen(WriteFile(run.folder() + "/other.DAT", ChannelFile::Render(other)));
             }},
            {"Undo CSV import",
             [](ShellRun& run, MainWindow& w) {
                 FileDialogResponder dialog(
                     {WriteFile(run.folder() + "/list.csv", "Location,Frequency\n1,146.52\n")});
                 MessageBoxResponder answers(Style::kIdDiscard);
                 ModalDialogResponder rows(
                     [](const ModalDialogRecord&) { return int(QDialog::Accepted); });
                 MenuItem(w, "mnuImportCsv")->trigger();
             }},
            {"Undo deletion of channels",
             [](ShellRun&, MainWindow& w) {
                 OnRows(w, {1, 3}, "Del");
             }},
            {"Undo cut of channels", [](ShellRun&, MainWindow& w) { OnRows(w, {2}, "Ctrl+X"); }},
            {"Undo paste of channels",
             [](ShellRun&, MainWindow& w) {
                 OnRows(w, {1, 3}, "Ctrl+C");
                 OnRows(w, {8}, "Ctrl+V");
             }},
            {"Undo move down",
             [](ShellRun&, MainWindow& w) {
                 OnRows(w, {1, 2}, "Alt+Down", Qt::ShiftModifier);
             }},
            {"Undo insertion of an empty row",
             [](ShellRun&, MainWindow& w) { OnRows(w, {2}, "Ctrl++"); }},
        };
        for (const auto& [undoText, change] : cases) {
            ShellRun run;
            MainWindow& window = StartWithChannels(run);
            const RadioState before = run.state;
            change(run, window);
            const RadioState after = run.state;
            QVERIFY2(!Same(before, after), undoText);
            QCOMPARE(MenuItem(window, "mnuUndo")->text(), QString::fromUtf8(undoText));
            MenuItem(window, "mnuChinese")->trigger();
            QVERIFY(MenuItem(window, "mnuUndo")->text().startsWith(QString::fromUtf8("撤销")));
            Key(window, "Ctrl+Z");
            QVERIFY2(Same(run.state, before), undoText);
            QCOMPARE(CellText(window, 3, 1), QStringLiteral("147.00000"));
            Key(window, "Ctrl+Shift+Z");
            QVERIFY2(Same(run.state, after), undoText);
            Key(window, "Ctrl+Z");
            Key(window, "Ctrl+Y");
            QVERIFY2(Same(run.state, after), undoText);
            QCOMPARE(run.state.flags.Language, kChinese);  // not part of the configuration
        }
    }

    void undoAcrossASaveMakesTheWindowModifiedAgain() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        FileDialogResponder dialog({run.folder() + "/saved.DAT"});
        MenuItem(window, "mnuAssave")->trigger();
        OnRows(window, {1}, "Alt+Down");
        QVERIFY(window.isWindowModified());
        for (bool modified : {false, true}) {  // back to the saved state, then across it
            MenuItem(window, "mnuUndo")->trigger();
            QCOMPARE(window.isWindowModified(), modified);
        }
        MenuItem(window, "mnuRedo")->trigger();
        QVERIFY(!window.isWindowModified());
        // A frequency still in its editor is written first, then taken back.
        ClickCell(window, 5, ChannelCells::kRxFrequency);
        Type("150");
        MenuItem(window, "mnuUndo")->trigger();
        QVERIFY(!run.state.channels.has(5));
        MenuItem(window, "mnuRedo")->trigger();
        QVERIFY(run.state.channels.has(5));

        // An Open taken back leaves the table untitled: saved under the opened file's name
        // without a question, it would overwrite that file with the older channels.
        const QString opened =
            WriteFile(run.folder() + "/opened.DAT", ChannelFile::Render(StartupState(kEnglish)));
        MessageBoxResponder discard(Style::kIdDiscard);
        window.requestOpen(opened);
        QCOMPARE(window.document().path(), opened);
        for (const char* item : {"mnuUndo", "mnuRedo"}) {
            MenuItem(window, item)->trigger();
            QCOMPARE(window.document().origin(), ConfigurationDocument::Origin::Untitled);
            QVERIFY(window.document().path().isEmpty());
        }
    }

    // Rows at the table's edges: no selection, row 1, row 16 and a full table.
    void rowsAtTheEdges() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        const Channels start = run.state.channels;
        for (const char* item : {"mnuCut", "mnuCopy", "mnuDelete", "mnuMoveUp", "mnuMoveDown"}) {
            QVERIFY2(!MenuItem(window, item)->isEnabled(), item);  // nothing selected
        }
        Key(window, "Del");
        OnRows(window, {1}, "Alt+Up");
        QCOMPARE(run.state.channels, start);
        // The first channel walks to the bottom, and no further.
        for (int step = 0; step < 20; ++step) {
            Key(window, "Alt+Down");
        }
        QCOMPARE(window.grid()->selectedRows(), std::vector<int>{16});
        QCOMPARE(run.state.channels[16], start[1]);
        QCOMPARE(run.state.channels[1], start[2]);
        // With channel 16 held an inserted row is refused, and says why.
        MessageBoxResponder answers(Style::kIdOk);
        const Channels full = run.state.channels;
        OnRows(window, {1}, "Ctrl+Shift++");
        QCOMPARE(run.state.channels, full);
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.shown()[0].prompt.startsWith("Channel 16 holds a channel"));
        OnRows(window, {16}, "Alt+Up");
        OnRows(window, {1}, "Ctrl+Shift++");
        QVERIFY(!run.state.channels.has(1));
        QCOMPARE(run.state.channels[3], start[3]);
        QCOMPARE(run.state.channels[16], start[1]);
    }

    void copiedRowsPasteElsewhereAsEqualChannels() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        OnRows(window, {1, 3}, "Ctrl+C", Qt::ShiftModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->data("text/csv").startsWith("Location,Name,Frequency,"));
        QVERIFY(data->text().startsWith("Location\tName\tFrequency\t"));
        OnRows(window, {13}, "Ctrl+V");
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(run.state.channels[12 + row], run.state.channels[row]);
        }
        // The third row has no room below 16, and the message names it.
        MessageBoxResponder answers(Style::kIdOk);
        OnRows(window, {15}, "Ctrl+V");
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(
            answers.shown()[0].prompt.contains("Location 3 \"CH03\": no room below channel 16"));
    }

    // Tab-separated text as typed into a spreadsheet: rows outside the band are left out
    // and named; Locations keep their distances.
    void handWrittenTabSeparatedTextPastes() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        QGuiApplication::clipboard()->setText(
            "Location\tFrequency\tDuplex\tOffset\tPower\n"
            "1\t145.5\t\t\tL\n2\t440.000\t\t\t\n3\t146.025\t-\t0.6\tH\n");
        MessageBoxResponder answers(Style::kIdOk);
        OnRows(window, {5}, "Ctrl+V");
        QCOMPARE(FrequencyText(run.state.channels[5]->rx), std::string("145.50000"));
        QCOMPARE(run.state.channels[5]->power, Power::Low);
        QVERIFY(!run.state.channels.has(6));
        QCOMPARE(FrequencyText(*run.state.channels[7]->tx), std::string("145.42500"));
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.shown()[0].prompt.startsWith("Pasted 2 channels."));
        QVERIFY(answers.shown()[0].prompt.contains("Line 3, Location 2"));
    }

    // The lock: no row command, paste or undo changes the table while it holds; an undo of
    // a setting outside the table still works.
    void theLockRefusesEveryTableChange() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        OnRows(window, {2}, "Ctrl+C");
        Key(window, "Del");
        MenuItem(window, "mnulock")->trigger();
        const Channels locked = run.state.channels;
        for (const char* item :
             {"mnuDelete", "mnuPaste", "mnuCut", "mnuUndo", "mnuMoveDown", "mnuInsertRow"}) {
            QVERIFY2(!MenuItem(window, item)->isEnabled(), item);
        }
        MenuItem(window, "mnusetin")->trigger();
        auto* info = window.findChild<QDialog*>("Form7");
        info->findChild<QLineEdit*>()->setText("HELLO");
        info->accept();
        MenuItem(window, "mnuUndo")->trigger();
        QVERIFY(!MenuItem(window, "mnuUndo")->isEnabled());  // the delete: a table change
        QCOMPARE(run.state.channels, locked);
        MenuItem(window, "mnulock")->trigger();
        MenuItem(window, "mnuUndo")->trigger();
        QVERIFY(run.state.channels.has(2));
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"

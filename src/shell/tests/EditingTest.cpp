// Editing as in a spreadsheet: undo and redo of every kind of change, whole rows and the
// clipboard, through the window's menus, keys and message-box seams.
#include <functional>

#include <QClipboard>
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

// Channels 1..3 on 145.000, 146.000, 147.000 MHz in band 136-174, saved as nothing yet.
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

void ClickNumber(MainWindow& window, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect cell = window.grid()->visualRect(window.gridModel()->index(row, 0));
    QTest::mouseClick(window.grid()->viewport(), Qt::LeftButton, modifiers, cell.center());
}

void Key(MainWindow& window, const QKeySequence& keys) {
    QTest::keySequence(window.grid(), keys);
}

bool SameConfiguration(const RadioState& a, const RadioState& b) {
    return Compare(a, b).empty();
}

QString UndoText(MainWindow& window) {
    return MenuItem(window, "mnuUndo")->text();
}

void SetClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    // Each kind of change goes back to the exact configuration and forward again, named by
    // the undo item in both languages.
    void everyKindOfChangeIsUndoneAndRedone() {
        struct Case {
            const char* undoText;
            std::function<void(ShellRun&, MainWindow&)> change;
        };
        const Case cases[] = {
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
                 const QString path = run.folder() + "/other.DAT";
                 QFile file(path);
                 QVERIFY(file.open(QIODevice::WriteOnly));
                 file.write(QByteArray::fromStdString(ChannelFile::Render(other)));
                 file.close();
                 MessageBoxResponder discard(Style::kIdDiscard);
                 w.requestOpen(path);
             }},
            {"Undo CSV import",
             [](ShellRun& run, MainWindow& w) {
                 QFile file(run.folder() + "/list.csv");
                 QVERIFY(file.open(QIODevice::WriteOnly));
                 file.write("Location,Frequency\n1,146.52\n");
                 file.close();
                 FileDialogResponder dialog({file.fileName()});
                 MessageBoxResponder answers(Style::kIdDiscard);
                 MenuItem(w, "mnuImportCsv")->trigger();
             }},
            {"Undo deletion of channels",
             [](ShellRun&, MainWindow& w) {
                 ClickNumber(w, 1);
                 ClickNumber(w, 3, Qt::ControlModifier);
                 Key(w, QKeySequence(Qt::Key_Delete));
             }},
            {"Undo move down",
             [](ShellRun&, MainWindow& w) {
                 ClickNumber(w, 1);
                 ClickNumber(w, 2, Qt::ShiftModifier);
                 Key(w, QKeySequence(Qt::AltModifier | Qt::Key_Down));
             }},
            {"Undo insertion of an empty row",
             [](ShellRun&, MainWindow& w) {
                 ClickNumber(w, 2);
                 Key(w, QKeySequence(Qt::ControlModifier | Qt::Key_Plus));
             }},
        };
        for (const Case& c : cases) {
            ShellRun run;
            MainWindow& window = StartWithChannels(run);
            const RadioState before = run.state;
            c.change(run, window);
            const RadioState after = run.state;
            QVERIFY2(!SameConfiguration(before, after), c.undoText);
            QCOMPARE(UndoText(window), QString::fromUtf8(c.undoText));
            MenuItem(window, "mnuChinese")->trigger();
            QVERIFY(UndoText(window).startsWith(QString::fromUtf8("撤销")));
            Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_Z));
            QVERIFY2(SameConfiguration(run.state, before), c.undoText);
            QCOMPARE(CellText(window, 3, 1), QStringLiteral("147.00000"));
            Key(window, QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z));
            QVERIFY2(SameConfiguration(run.state, after), c.undoText);
            Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_Z));
            Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_Y));
            QVERIFY2(SameConfiguration(run.state, after), c.undoText);
            QCOMPARE(run.state.flags.Language, kChinese);  // not part of the configuration
        }
    }

    void undoAcrossASaveMakesTheWindowModifiedAgain() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        FileDialogResponder dialog({run.folder() + "/saved.DAT"});
        MenuItem(window, "mnuAssave")->trigger();
        QVERIFY(!window.isWindowModified());
        ClickNumber(window, 1);
        MenuItem(window, "mnuMoveDown")->trigger();
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
    }

    // Rows at the table's edges: row 1, row 16, a full table and no selection.
    void rowsAtTheEdges() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        const Channels start = run.state.channels;
        for (const char* item : {"mnuCut", "mnuCopy", "mnuDelete", "mnuMoveUp", "mnuMoveDown"}) {
            QVERIFY2(!MenuItem(window, item)->isEnabled(), item);  // nothing selected
        }
        Key(window, QKeySequence(Qt::Key_Delete));
        ClickNumber(window, 1);
        QVERIFY(!MenuItem(window, "mnuMoveUp")->isEnabled());
        Key(window, QKeySequence(Qt::AltModifier | Qt::Key_Up));
        QCOMPARE(run.state.channels, start);
        // The first channel walks to the bottom, and no further.
        for (int step = 0; step < 20; ++step) {
            Key(window, QKeySequence(Qt::AltModifier | Qt::Key_Down));
        }
        QCOMPARE(window.grid()->selectedRows(), std::vector<int>{16});
        QCOMPARE(run.state.channels[16], start[1]);
        QCOMPARE(run.state.channels[1], start[2]);
        // With channel 16 held an inserted row is refused, and says why.
        MessageBoxResponder answers(Style::kIdOk);
        ClickNumber(window, 1);
        const Channels full = run.state.channels;
        MenuItem(window, "mnuInsertRow")->trigger();
        QCOMPARE(run.state.channels, full);
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.shown()[0].prompt.startsWith("Channel 16 holds a channel"));
        Key(window, QKeySequence(Qt::AltModifier | Qt::Key_Up));  // row 1: nothing moves
        ClickNumber(window, 16);
        Key(window, QKeySequence(Qt::AltModifier | Qt::Key_Up));
        ClickNumber(window, 1);
        MenuItem(window, "mnuInsertRow")->trigger();
        QVERIFY(!run.state.channels.has(1));
        QCOMPARE(run.state.channels[3], start[3]);
        QCOMPARE(run.state.channels[16], start[1]);
    }

    void copiedRowsPasteElsewhereAsEqualChannels() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        ClickNumber(window, 1);
        ClickNumber(window, 3, Qt::ShiftModifier);
        Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_C));
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->data("text/csv").startsWith("Location,Name,Frequency,"));
        QVERIFY(data->text().startsWith("Location\tName\tFrequency\t"));
        QCOMPARE(data->text().count('\n'), 4);
        ClickNumber(window, 13);
        Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_V));
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(run.state.channels[12 + row], run.state.channels[row]);
        }
        // The third row has no room below 16, and the message names it.
        MessageBoxResponder answers(Style::kIdOk);
        ClickNumber(window, 15);
        Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_V));
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.shown()[0].prompt.contains("Location 3"));
        QVERIFY(answers.shown()[0].prompt.contains("no room below channel 16"));
        // The cut rows come back as they were.
        const Channels before = run.state.channels;
        ClickNumber(window, 2);
        Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_X));
        QVERIFY(!run.state.channels.has(2));
        Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_V));
        QCOMPARE(run.state.channels, before);
    }

    // Tab-separated text as typed into a spreadsheet: rows outside the band are left out
    // and named; Locations keep their distances.
    void handWrittenTabSeparatedTextPastes() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        SetClipboard(
            "Location\tFrequency\tDuplex\tOffset\tPower\n"
            "1\t145.5\t\t\tL\n2\t440.000\t\t\t\n3\t146.025\t-\t0.6\tH\n");
        MessageBoxResponder answers(Style::kIdOk);
        ClickNumber(window, 5);
        MenuItem(window, "mnuPaste")->trigger();
        QCOMPARE(FrequencyText(run.state.channels[5]->rx), std::string("145.50000"));
        QCOMPARE(run.state.channels[5]->power, Power::Low);
        QVERIFY(!run.state.channels.has(6));
        QCOMPARE(FrequencyText(*run.state.channels[7]->tx), std::string("145.42500"));
        QCOMPARE(answers.shown().size(), 1);
        QVERIFY(answers.shown()[0].prompt.startsWith("Pasted 2 channels."));
        QVERIFY(answers.shown()[0].prompt.contains("Line 3, Location 2"));
        // Text without a channel changes nothing and says so.
        SetClipboard("Location\tFrequency\n1\t440\n");
        const Channels pasted = run.state.channels;
        MenuItem(window, "mnuPaste")->trigger();
        QCOMPARE(run.state.channels, pasted);
        QCOMPARE(answers.shown().size(), 2);
    }

    // The lock: no row command, paste or undo changes the table while it holds; an undo of
    // a setting outside the table still works.
    void theLockRefusesEveryTableChange() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        ClickNumber(window, 2);
        Key(window, QKeySequence(Qt::ControlModifier | Qt::Key_C));
        Key(window, QKeySequence(Qt::Key_Delete));
        MenuItem(window, "mnulock")->trigger();
        const Channels locked = run.state.channels;
        for (const char* item :
             {"mnuDelete", "mnuPaste", "mnuCut", "mnuUndo", "mnuMoveDown", "mnuInsertRow"}) {
            QVERIFY2(!MenuItem(window, item)->isEnabled(), item);
            MenuItem(window, item)->trigger();  // as a shortcut would, were it offered
            QCOMPARE(run.state.channels, locked);
        }
        MenuItem(window, "mnusetin")->trigger();
        auto* info = window.findChild<QDialog*>("Form7");
        info->findChild<QLineEdit*>()->setText("HELLO");
        info->accept();
        QVERIFY(MenuItem(window, "mnuUndo")->isEnabled());
        MenuItem(window, "mnuUndo")->trigger();
        QVERIFY(!MenuItem(window, "mnuUndo")->isEnabled());  // the delete: a table change
        MenuItem(window, "mnulock")->trigger();
        MenuItem(window, "mnuUndo")->trigger();
        QVERIFY(run.state.channels.has(2));
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"

// Editing channels in place: frequencies and tones typed, tones and choices picked, and the
// focus order that commits and re-opens.
#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "ShellTestSupport.h"
#include "channels/ChannelCells.h"
#include "channels/ToneList.h"
#include "image/ChannelFile.h"
#include "shell/CellEditors.h"
#include "widgets/InterfaceLanguage.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;
namespace Col = ChannelCells;

namespace {

MainWindow& StartInBand136(ShellRun& run) {
    MainWindow& window = run.startActive();
    run.state.band.TakeBand(kBand136);
    window.RefreshFromState();
    window.configurationStored(ConfigurationDocument::Origin::Untitled);
    return window;
}

QString Cell(ShellRun& run, int row, int column) {
    return Tr(ChannelCells::Text(run.state.channels, row, column), run.state.flags.Language);
}

void TypeIntoCell(MainWindow& window, int row, int column, const QString& text) {
    ClickCell(window, row, column);
    Type(text);
    Press(Qt::Key_Return);
}

// The editor of each column.
const char* const kEditors[] = {"",         "Text1",    "Combo8",   "Text1",   "Combo8",
                                "Combo5_5", "Combo5_6", "Combo5_7", "Combo5_8"};

template <class Editor = QComboBox>
Editor* EditorOf(MainWindow& window, int column) {
    return window.findChild<Editor*>(kEditors[column]);
}

// Every item of a list shows whole in the list's own field, closed.
void ExpectItemsFit(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const int field =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width();
    for (int i = 0; i < list->count(); ++i) {
        QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field,
                 qPrintable(list->itemText(i)));
    }
}

}  // namespace

class CellEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void typedFrequenciesCreateSnapOrAreRefused() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        MessageBoxResponder answer(Style::kIdOk);
        ClickCell(window, 1, Col::kScanAdd);  // an empty row opens its receive frequency
        QVERIFY(EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());
        Type("145.5312");
        Press(Qt::Key_Escape);  // cancels nothing
        QVERIFY(EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());
        Press(Qt::Key_Return);
        QVERIFY(!EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.grid());
        QCOMPARE(CellText(window, 1, Col::kTxFrequency), QStringLiteral("145.53000"));

        TypeIntoCell(window, 2, Col::kRxFrequency, "1a4-5.5 26x1");  // other keys dropped
        QCOMPARE(Cell(run, 2, Col::kRxFrequency), QStringLiteral("145.52500"));
        TypeIntoCell(window, 3, Col::kRxFrequency, "174");  // the band's upper limit is out
        QCOMPARE(Cell(run, 3, Col::kRxFrequency), QString());
        QCOMPARE(QApplication::focusWidget(), window.grid());
        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(answer.shown().front().prompt, QStringLiteral("超出频段范围"));
        QCOMPARE(answer.shown().front().icon, QMessageBox::NoIcon);
    }

    void tonesTypedAndPickedAndChoicesPicked() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        QComboBox* tone = EditorOf(window, Col::kRxTone);
        // Typed into the open list: the text counts.
        FillChannel(run.state, 1, "145.00000", 13, 1);
        ClickCell(window, 1, Col::kRxTone);
        QVERIFY(tone->view()->isVisible());
        Type("8a8.5");
        QVERIFY(!tone->view()->isVisible());
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 1, Col::kRxTone), QStringLiteral("88.5"));

        ClickCell(window, 1, Col::kRxTone);
        QCOMPARE(tone->currentIndex(), 9);  // 88.5
        QTRY_VERIFY(tone->view()->isVisible());
        tone->view()->setCurrentIndex(tone->model()->index(156, 0));
        QTest::keyClick(tone->view(), Qt::Key_Return);
        QCOMPARE(Cell(run, 1, Col::kRxTone), QStringLiteral("D023I"));
        QCOMPARE(ToneList::PositionOf(run.state.channels[1]->rxTone), 156);
        QVERIFY(!tone->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.grid());

        // Reopened, the tone shows as it is, letters and all; the off entry is picked by the
        // keyboard with the list closed.
        ClickCell(window, 1, Col::kRxTone);
        QCOMPARE(tone->currentText(), QStringLiteral("D023I"));
        tone->hidePopup();
        tone->setCurrentIndex(1);
        Press(Qt::Key_Up);
        QCOMPARE(Cell(run, 1, Col::kRxTone), QStringLiteral("关闭"));
        QCOMPARE(run.state.channels[1]->rxTone, Tone());

        // Choices: opening only preselects, a pick writes.
        FillChannel(run.state, 6, "145.00000", 0, 1);
        QComboBox* bandwidth = EditorOf(window, Col::kBandwidth);
        bandwidth->setCurrentIndex(0);
        ClickCell(window, 6, Col::kBandwidth);
        QTRY_VERIFY(bandwidth->view()->isVisible());
        QCOMPARE(bandwidth->currentIndex(), 1);
        ClickCell(window, 6, Col::kRxFrequency);  // closes the list
        ClickCell(window, 6, Col::kRxFrequency);  // leaves without a pick
        QCOMPARE(Cell(run, 6, Col::kBandwidth), QStringLiteral("宽带"));
        QVERIFY(!bandwidth->isVisible());
        Press(Qt::Key_Return);

        ClickCell(window, 6, Col::kPower);
        QAbstractItemView* list = EditorOf(window, Col::kPower)->view();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Cell(run, 6, Col::kPower), QStringLiteral("低"));
        QCOMPARE(QApplication::focusWidget(), window.grid());
    }

    // A tone typed or picked is the channel's tone whatever the language: switching back and
    // forth shows it unchanged, a typed listed tone selects its list item as a picked one
    // does, an unlisted one keeps its text, and Save stores them.
    void tonesSurviveLanguageSwitches() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        TypeIntoCell(window, 1, Col::kRxFrequency, "150.5");
        TypeIntoCell(window, 1, Col::kRxTone, "88.5");
        TypeIntoCell(window, 1, Col::kTxTone, "150");
        for (const char* item : {"mnuEnglish", "mnuChinese", "mnuEnglish", "mnuChinese"}) {
            MenuItem(window, item)->trigger();
            QCOMPARE(CellText(window, 1, Col::kRxTone), QStringLiteral("88.5"));
            QCOMPARE(CellText(window, 1, Col::kTxTone), QStringLiteral("150.0"));
        }
        QComboBox* tone = EditorOf(window, Col::kRxTone);
        ClickCell(window, 1, Col::kRxTone);
        QCOMPARE(tone->currentIndex(), 9);
        window.grid()->setFocus();
        ClickCell(window, 1, Col::kTxTone);
        QCOMPARE(tone->currentIndex(), -1);
        QCOMPARE(tone->currentText(), QStringLiteral("150.0"));
        window.grid()->setFocus();

        const QString path = run.folder() + "/tones.DAT";
        FileDialogResponder dialogs({path});
        ToolButton(window, "save")->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray record = file.readAll().mid(5, 16);
        QCOMPARE(record.mid(8, 4), QByteArray::fromHex("7503DC05"));  // 885 and 1500 tenths
    }

    void whateverTakesTheFocusCommitsTheOpenEditorFirst() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        // Another cell: the first is written, the second opens.
        ClickCell(window, 1, Col::kRxFrequency);
        Type("140");
        ClickCell(window, 2, Col::kRxFrequency);
        QCOMPARE(Cell(run, 1, Col::kRxFrequency), QStringLiteral("140.00000"));
        QCOMPARE(window.findChild<CellEditors*>()->EditRow, 2);
        QVERIFY(EditorOf<QLineEdit>(window, Col::kRxFrequency)->hasFocus());

        // The band list, as a read or a write moves the focus there.
        Type("141");
        window.bandList()->setFocus(Qt::OtherFocusReason);
        QCOMPARE(Cell(run, 2, Col::kRxFrequency), QStringLiteral("141.00000"));
        // A choice list hides, writes nothing and leaves the focus where it went.
        ClickCell(window, 2, Col::kPower);
        EditorOf(window, Col::kPower)->hidePopup();
        window.bandList()->setFocus(Qt::OtherFocusReason);
        QVERIFY(!EditorOf(window, Col::kPower)->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.bandList());
        QCOMPARE(Cell(run, 2, Col::kPower), QStringLiteral("低"));

        // The edit lock.
        ClickCell(window, 3, Col::kRxFrequency);
        Type("142");
        MenuItem(window, "mnulock")->trigger();
        QCOMPARE(Cell(run, 3, Col::kRxFrequency), QStringLiteral("142.00000"));
        QVERIFY(!EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());
        MenuItem(window, "mnulock")->trigger();

        // Closing the window: the save question, but no message even out of band.
        MessageBoxResponder answer(Style::kIdDiscard);
        ClickCell(window, 4, Col::kRxFrequency);
        Type("143");
        ClickCell(window, 5, Col::kRxFrequency);
        Type("999");
        window.close();
        QCOMPARE(Cell(run, 4, Col::kRxFrequency), QStringLiteral("143.00000"));
        QCOMPARE(Cell(run, 5, Col::kRxFrequency), QString());
        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(answer.shown()[0].buttons.first(), Style::kIdSave);
    }

    // The lock opens no editor and leaves none open, so none can write into a table a file
    // or a read replaced meanwhile (an editor open during a read: the window's link test).
    void theEditLockLeavesNoEditorThatCouldWriteLater() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        auto* cellEditors = window.findChild<CellEditors*>();
        QAction* lock = MenuItem(window, "mnulock");
        lock->trigger();
        ClickCell(window, 1, Col::kRxFrequency);
        Press(Qt::Key_Return);
        QCOMPARE(cellEditors->openEditor(), CellEditRules::Editor::None);
        QVERIFY(!EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());

        // A file opened under the lock; unlocked, the next click leaves its channel alone.
        RadioState file;
        ApplyStartupDefaults(file);
        file.band.TakeBand(kBand136);
        FillChannel(file, 1, "137.00000", 0, 1);
        const QString path = run.folder() + "/one.DAT";
        QVERIFY(ChannelFile::Save(path.toStdString(), file));
        {
            FileDialogResponder chosen(QStringList{path});
            MenuItem(window, "mnuOpen")->trigger();
        }
        lock->trigger();
        ClickCell(window, 2, Col::kRxFrequency);
        QCOMPARE(Cell(run, 1, Col::kRxFrequency), QStringLiteral("137.00000"));

        // Locking while the focus is in another window still writes what the editor holds
        // first, and hides it.
        Type("138");
        MenuItem(window, "Key_enactment")->trigger();
        QDialog* keys = window.findChild<QDialog*>("Form6");
        keys->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(keys));
        QVERIFY(EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());
        lock->trigger();
        QCOMPARE(Cell(run, 2, Col::kRxFrequency), QStringLiteral("138.00000"));
        QCOMPARE(cellEditors->openEditor(), CellEditRules::Editor::None);
        QVERIFY(!EditorOf<QLineEdit>(window, Col::kRxFrequency)->isVisible());
        keys->close();
    }

    void onlyALeftPressOrEnterOnAChannelCellOpensAnEditor() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        ChannelGrid* grid = window.grid();
        const auto cell = [&](int row, int column) {
            return window.gridModel()->index(row, column);
        };
        for (auto [button, row, column] :
             {std::tuple{Qt::RightButton, 3, 1}, std::tuple{Qt::LeftButton, 0, 1},
              std::tuple{Qt::LeftButton, 3, 0}}) {
            QTest::mouseClick(grid->viewport(), button, {},
                              grid->visualRect(cell(row, column)).center());
        }
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(window.findChild<CellEditors*>()->openEditor(), CellEditRules::Editor::None);

        // Keyboard only: the cursor never leaves the channel cells; Enter opens and commits.
        grid->setCurrentIndex(cell(1, 1));
        Press(Qt::Key_Up);
        Press(Qt::Key_Home);
        QCOMPARE(grid->currentIndex(), cell(1, 1));
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        Type("144.5");
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 2, Col::kRxFrequency), QStringLiteral("144.50000"));
        Press(Qt::Key_Right);
        Press(Qt::Key_Return);
        Type("67");
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 2, Col::kRxTone), QStringLiteral("67.0"));
        QCOMPARE(grid->currentIndex(), cell(2, 2));
        // A typed key never searches out a cell that starts with it.
        grid->setCurrentIndex(cell(3, 1));
        Type("1");
        QCOMPARE(grid->currentIndex(), cell(3, 1));
    }

    void editorsCoverTheirCellAndTheirListsOpenInBothLanguages() {
        for (LanguageId language : {kChinese, kEnglish}) {
            ShellRun run;
            run.writePreferences(QByteArray(2, '\0') + char(language));
            MainWindow& window = StartInBand136(run);
            FillChannel(run.state, 9, "145.00000", 0, 1);
            QCOMPARE(EditorOf(window, Col::kRxTone)->itemText(0), language ? "Off" : "关闭");
            QCOMPARE(EditorOf(window, Col::kPower)->itemText(1), language ? "Hight" : "高");
            for (int column = 1; column <= 8; ++column) {
                ClickCell(window, 9, column);
                QWidget* editor = EditorOf<QWidget>(window, column);
                QVERIFY(editor->isVisible());
                if (auto* combo = qobject_cast<QComboBox*>(editor)) {
                    QVERIFY(combo->view()->isVisible());
                    ExpectItemsFit(combo);
                }
                QCOMPARE(editor->geometry(),
                         window.grid()->visualRect(window.gridModel()->index(9, column)));
                window.grid()->setFocus();
            }
        }
    }
};

QTEST_MAIN(CellEditorsTest)
#include "CellEditorsTest.moc"

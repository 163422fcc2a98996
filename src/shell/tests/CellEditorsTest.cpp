// Editing channels in place: creating, changing and deleting channels, tones typed and
// picked, choices, the key filter, and the focus order that commits and re-opens.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "EditorTestSupport.h"
#include "shell/BandCombo.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;
using Col = ChannelTable::Column;

namespace {

MainWindow& StartInBand136(ShellRun& run) {
    MainWindow& window = StartActive(run);
    run.state.band.TakeBand(kBand136);
    window.RefreshFromState();
    return window;
}

QString Cell(ShellRun& run, int row, int column) {
    return QString::fromStdString(run.state.table.cell(row, column));
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
    void aReceiveFrequencyInAnEmptyRowCreatesAChannel() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        // A click anywhere in an empty row opens its receive frequency.
        ClickCell(window, 3, Col::kScanAdd);
        QVERIFY(FrequencyEditor(window)->isVisible());
        QCOMPARE(EditorsOf(window).EditCol, 1);
        Type("145.5312");
        Press(Qt::Key_Return);

        QVERIFY(!FrequencyEditor(window)->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.grid());
        const QStringList row = {"145.53000", "关闭", "145.53000", "关闭",
                                 "低",        "关闭", "宽带",      "有"};
        for (int column = 1; column <= 8; ++column) {
            QCOMPARE(CellText(window, 3, column), row[column - 1]);
        }
        const auto& entries = run.state.table.CellChoiceIndex[2];
        QCOMPARE(
            QList<int>({entries[0], entries[2], entries[3], entries[4], entries[5], entries[6]}),
            QList<int>({0, 0, 0, 1, 1, 1}));
    }

    void typedFrequenciesAreSnappedOrRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");  // empty: refused as out of band
        QTest::newRow("below 5 kHz point") << "145.5261"
                                           << "145.52500";
        QTest::newRow("below 6.25 kHz point") << "145.5187"
                                              << "145.51500";
        QTest::newRow("on the raster") << "145.53"
                                       << "145.53000";
        QTest::newRow("lower limit included") << "136"
                                              << "136.00000";
        QTest::newRow("just below the upper limit") << "173.99999"
                                                    << "173.99500";
        QTest::newRow("upper limit excluded") << "174"
                                              << "";
        QTest::newRow("below the band") << "135.99"
                                        << "";
    }
    void typedFrequenciesAreSnappedOrRefused() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        TypeIntoCell(window, 5, Col::kRxFrequency, typed);

        QCOMPARE(Cell(run, 5, Col::kRxFrequency), stored);
        QVERIFY(!FrequencyEditor(window)->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.grid());
        if (!stored.isEmpty()) {
            QVERIFY(answer.shown().isEmpty());
            return;
        }
        QCOMPARE(answer.shown().size(), 1);
        const MessageBoxRecord& message = answer.shown().front();
        QCOMPARE(message.prompt, QStringLiteral("超出频段范围"));
        QCOMPARE(message.title, QStringLiteral("KVD-270"));
        QCOMPARE(message.buttons, QList<int>({MessageBoxStyle::kIdOk}));
        QCOMPARE(message.icon, QMessageBox::NoIcon);
    }

    void changingAndErasingFrequencies() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        FillChannel(run.state, 7, "150.02500", 3, 0);

        TypeIntoCell(window, 7, Col::kRxFrequency, "151");
        QCOMPARE(Cell(run, 7, Col::kRxFrequency), QStringLiteral("151.00000"));
        QCOMPARE(Cell(run, 7, Col::kTxFrequency), QStringLiteral("150.02500"));
        QCOMPARE(Cell(run, 7, Col::kPower), QStringLiteral("低"));

        // Text that is no number, and an erased transmit frequency, change nothing.
        TypeIntoCell(window, 7, Col::kRxFrequency, "1.5.0");
        QCOMPARE(Cell(run, 7, Col::kRxFrequency), QStringLiteral("151.00000"));
        ClickCell(window, 7, Col::kTxFrequency);
        Press(Qt::Key_Backspace);
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 7, Col::kTxFrequency), QStringLiteral("150.02500"));

        // Erasing the receive frequency deletes the channel.
        ClickCell(window, 7, Col::kRxFrequency);
        Press(Qt::Key_Backspace);
        Press(Qt::Key_Return);
        QVERIFY(!run.state.table.hasChannel(7));
        for (int column = 1; column <= 8; ++column) {
            QCOMPARE(Cell(run, 7, column), QString());
        }
        QCOMPARE(run.state.table.CellChoiceIndex[6], (std::array<std::int16_t, 10>{}));
    }

    void theKeyFilterKeepsDigitsAndThePointInTypedAndPastedText() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        ClickCell(window, 2, Col::kRxFrequency);
        Type("1a4-5 .x5");
        QCOMPARE(FrequencyEditor(window)->text(), QStringLiteral("145.5"));
        QApplication::clipboard()->setText("Freq: 146.52 MHz");
        FrequencyEditor(window)->selectAll();
        QTest::keySequence(FrequencyEditor(window), QKeySequence::Paste);
        QCOMPARE(FrequencyEditor(window)->text(), QStringLiteral("146.52"));

        // Escape cancels nothing: the text is still committed when the focus goes.
        Press(Qt::Key_Escape);
        QVERIFY(FrequencyEditor(window)->isVisible());
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 2, Col::kRxFrequency), QStringLiteral("146.52000"));

        ClickCell(window, 2, Col::kRxTone);
        Type("8a8.5");
        Press(Qt::Key_Escape);
        QCOMPARE(ToneEditor(window)->currentText(), QStringLiteral("88.5"));
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 2, Col::kRxTone), QStringLiteral("88.5"));

        // What the program shows is not filtered: list entries and a decoded frequency
        // holding a letter (no number, so it stays).
        run.state.table.setCell(2, Col::kTxFrequency, "14A.00000");
        ClickCell(window, 2, Col::kTxFrequency);
        QCOMPARE(FrequencyEditor(window)->text(), QStringLiteral("14A.00000"));
        ClickCell(window, 2, Col::kTxTone);
        QCOMPARE(ToneEditor(window)->currentText(), QStringLiteral("关闭"));
        QCOMPARE(Cell(run, 2, Col::kTxFrequency), QStringLiteral("14A.00000"));
        QAbstractItemView* list = ToneEditor(window)->view();
        list->setCurrentIndex(list->model()->index(60, 0));
        QTest::keyClick(list, Qt::Key_Return);
        ClickCell(window, 2, Col::kTxTone);
        QCOMPARE(ToneEditor(window)->currentText(), QStringLiteral("D053N"));
    }

    void typedTones_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("standard tone") << "88.5"
                                       << "88.5";
        QTest::newRow("out of range puts back the stored tone") << "300"
                                                                << "100.0";
        QTest::newRow("any tone within range") << "150"
                                               << "150.0";
        QTest::newRow("empty puts back the stored tone") << ""
                                                         << "100.0";
    }
    void typedTones() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        FillChannel(run.state, 4, "145.00000", 0, 1);
        // The cell shows a typed tone while its entry still points at 100.0 (position 13).
        run.state.table.setChoiceIndex(4, Col::kTxTone, 13);
        run.state.table.setCell(4, Col::kTxTone, "123.4");

        ClickCell(window, 4, Col::kTxTone);
        QVERIFY(ToneEditor(window)->view()->isVisible());
        if (typed.isEmpty()) {
            Press(Qt::Key_Backspace);
        }
        Type(typed);  // typing with the list open goes into the text
        QVERIFY(!ToneEditor(window)->view()->isVisible());
        Press(Qt::Key_Return);
        QCOMPARE(Cell(run, 4, Col::kTxTone), shown);
        QCOMPARE(run.state.table.choiceIndex(4, Col::kTxTone), 13);
    }

    void tonesPickedFromTheList() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        FillChannel(run.state, 1, "145.00000", 9, 1);
        ClickCell(window, 1, Col::kRxTone);
        QComboBox* tone = ToneEditor(window);
        QCOMPARE(tone->count(), 261);
        QCOMPARE(tone->currentIndex(), 9);
        QAbstractItemView* list = tone->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(156, 0));
        QTest::keyClick(list, Qt::Key_Return);

        QCOMPARE(Cell(run, 1, Col::kRxTone), QStringLiteral("D023I"));
        QCOMPARE(run.state.table.choiceIndex(1, Col::kRxTone), 156);
        QVERIFY(!tone->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.grid());

        // The off entry, picked by the keyboard with the list closed.
        ClickCell(window, 1, Col::kRxTone);
        tone->hidePopup();
        tone->setCurrentIndex(1);
        Press(Qt::Key_Up);
        QCOMPARE(Cell(run, 1, Col::kRxTone), QStringLiteral("关闭"));
        QCOMPARE(run.state.table.choiceIndex(1, Col::kRxTone), 0);
    }

    void choiceListsPreselectWithoutWritingAndWriteWhatIsPicked() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        FillChannel(run.state, 6, "145.00000", 0, 1);
        // An entry that disagrees with the text shows that opening only preselects.
        run.state.table.setChoiceIndex(6, Col::kBandwidth, 0);

        ClickCell(window, 6, Col::kBandwidth);
        QComboBox* bandwidth = ChoiceEditor(window, Col::kBandwidth);
        QTRY_VERIFY(bandwidth->view()->isVisible());
        QCOMPARE(bandwidth->currentIndex(), 0);
        QCOMPARE(Cell(run, 6, Col::kBandwidth), QStringLiteral("宽带"));
        ClickCell(window, 6, Col::kRxFrequency);  // closes the list
        ClickCell(window, 6, Col::kRxFrequency);  // leaves without a pick
        QCOMPARE(Cell(run, 6, Col::kBandwidth), QStringLiteral("宽带"));
        QVERIFY(!bandwidth->isVisible());
        Press(Qt::Key_Return);

        ClickCell(window, 6, Col::kPower);
        QAbstractItemView* list = ChoiceEditor(window, Col::kPower)->view();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Cell(run, 6, Col::kPower), QStringLiteral("低"));
        QCOMPARE(run.state.table.choiceIndex(6, Col::kPower), 0);
        QCOMPARE(QApplication::focusWidget(), window.grid());
    }

    void whateverTakesTheFocusCommitsTheOpenEditorFirst() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        // Another cell: the first is written, the second opens.
        ClickCell(window, 1, Col::kRxFrequency);
        Type("140");
        ClickCell(window, 2, Col::kRxFrequency);
        QCOMPARE(Cell(run, 1, Col::kRxFrequency), QStringLiteral("140.00000"));
        QCOMPARE(EditorsOf(window).EditRow, 2);
        QVERIFY(FrequencyEditor(window)->hasFocus());

        // The band list, as a read or a write moves the focus there.
        Type("141");
        window.bandList()->setFocus(Qt::OtherFocusReason);
        QCOMPARE(Cell(run, 2, Col::kRxFrequency), QStringLiteral("141.00000"));
        // A choice list hides, writes nothing and leaves the focus where it went.
        ClickCell(window, 2, Col::kPower);
        ChoiceEditor(window, Col::kPower)->hidePopup();
        window.bandList()->setFocus(Qt::OtherFocusReason);
        QVERIFY(!ChoiceEditor(window, Col::kPower)->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.bandList());
        QCOMPARE(Cell(run, 2, Col::kPower), QStringLiteral("低"));

        // The edit lock.
        ClickCell(window, 3, Col::kRxFrequency);
        Type("142");
        window.menuItem("mnulock")->trigger();
        QCOMPARE(Cell(run, 3, Col::kRxFrequency), QStringLiteral("142.00000"));
        QVERIFY(!FrequencyEditor(window)->isVisible());
        window.menuItem("mnulock")->trigger();

        // Closing the window, without a message even out of band.
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        ClickCell(window, 4, Col::kRxFrequency);
        Type("143");
        ClickCell(window, 5, Col::kRxFrequency);
        Type("999");
        window.close();
        QCOMPARE(Cell(run, 4, Col::kRxFrequency), QStringLiteral("143.00000"));
        QCOMPARE(Cell(run, 5, Col::kRxFrequency), QString());
        QVERIFY(answer.shown().isEmpty());
    }

    void onlyALeftPressOrEnterOnAChannelCellOpensAnEditor() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        ChannelGrid* grid = window.grid();
        const auto center = [&](int row, int column) {
            return grid->visualRect(window.gridModel()->index(row, column)).center();
        };
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, center(3, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, center(0, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, center(3, 0));
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(EditorsOf(window).openEditor(), CellEditRules::Editor::None);

        // Keyboard only: the cursor never leaves the channel cells; Enter opens and commits.
        grid->setCurrentIndex(window.gridModel()->index(1, 1));
        Press(Qt::Key_Up);
        Press(Qt::Key_Home);
        QCOMPARE(grid->currentIndex(), window.gridModel()->index(1, 1));
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
        QCOMPARE(grid->currentIndex(), window.gridModel()->index(2, 2));
    }

    void editorsCoverTheirCellAndTheirListsOpenInBothLanguages() {
        for (LanguageId language : {kChinese, kEnglish}) {
            ShellRun run;
            run.writePreferences(QByteArray("\x00\x00", 2) + char(language));
            MainWindow& window = StartInBand136(run);
            FillChannel(run.state, 9, "145.00000", 0, 1);
            QCOMPARE(ToneEditor(window)->itemText(0), language ? "Off" : "关闭");
            QCOMPARE(ChoiceEditor(window, Col::kPower)->itemText(1), language ? "Hight" : "高");
            QCOMPARE(ChoiceEditor(window, Col::kScanAdd)->itemText(0), language ? "No" : "无");
            for (int column = 1; column <= 8; ++column) {
                ClickCell(window, 9, column);
                QWidget* editor = column == 1 || column == 3 ? FrequencyEditor(window)
                                  : column == 2 || column == 4
                                      ? static_cast<QWidget*>(ToneEditor(window))
                                      : ChoiceEditor(window, column);
                QVERIFY(editor->isVisible());
                if (auto* combo = qobject_cast<QComboBox*>(editor)) {
                    QVERIFY(combo->view()->isVisible());
                    ExpectItemsFit(combo);
                }
                QCOMPARE(editor->geometry(),
                         window.grid()->visualRect(window.gridModel()->index(9, column)));
                QCOMPARE(editor->parentWidget(), window.grid()->viewport());
                window.grid()->setFocus();
            }
        }
    }
};

QTEST_MAIN(CellEditorsTest)
#include "CellEditorsTest.moc"

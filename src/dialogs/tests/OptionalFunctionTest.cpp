// The optional-function dialog: filling, storing, the priority rules, the key filters, the
// auto-dial memories and the language switch.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>

#include "DialogTestSupport.h"
#include "dialogs/OptionalFunctionDialog.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

const char* const kLists[] = {"Combo4",  "Combo6",  "Combo7",  "Combo8",  "Combo9",
                              "Combo10", "Combo11", "Combo12", "Combo13", "Combo14",
                              "Combo15", "Combo0",  "Combo16", "Combo18", "Combo17",
                              "Combo19", "Combo20", "Combo22", "Combo21"};

QComboBox* List(QDialog* dialog, const char* name) {
    return Find<QComboBox>(dialog, name);
}

QDialog* Open(ShellRun& run) {
    return OpenFromMenu(run.window(), "mnudtmf", "Form5");
}

// Settings as a radio read might leave them; channel 5 is the only one programmed.
void StoreSample(ShellRun& run) {
    FillChannel(run.state, 5, "145.52500", 0, 0);
    ProgramSettings& s = run.state.settings;
    s.FunctionOptions[4] = "2";
    s.FunctionOptions[6] = "0";
    s.FunctionOptions[7] = "7";
    s.FunctionOptions[8] = "5";
    s.FunctionOptions[9] = "0";
    s.FunctionOptions[10] = "0";
    s.FunctionOptions[11] = "1";
    s.FunctionOptions[12] = "5";
    s.FunctionOptions[13] = "91";
    s.FunctionOptions[14] = "3";
    s.FunctionOptions[15] = "3";
    s.FunctionOptions[16] = "123A";
    s.FunctionOptions[17] = "*0#";
    s.FunctionOptions[18] = "DCBA";
    s.FunctionOptions[19] = "12";
    s.FunctionOptions[20] = "300";
    s.FunctionOptions[23] = "0";
    s.FunctionOptions[24] = "1";
    s.BasicOptions = {3, 2, 300, 0, 16, 0, 6, 15};
    for (int g = 1; g <= 8; ++g) {
        s.GroupCodes[g] = std::string(static_cast<std::size_t>(g), '0' + static_cast<char>(g));
    }
}

}  // namespace

class OptionalFunctionTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheStoredSettings() {
        ShellRun run;
        run.start();
        StoreSample(run);
        QDialog* dialog = Open(run);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());

        const int expected[] = {2, 0, 7, 5, 0, 0, 1, 4, 91, 3, 3, 3, 2, 4, 0, 16, 0, 6, 15};
        for (int i = 0; i < 19; ++i) {
            QVERIFY2(List(dialog, kLists[i])->currentIndex() == expected[i], kLists[i]);
        }
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("05"));
        QCOMPARE(List(dialog, "Combo18")->currentText(), QStringLiteral("300MS"));
        QCOMPARE(List(dialog, "Combo13")->currentText(), QStringLiteral("5.00 S"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("123A"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text3")->text(), QStringLiteral("*0#"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text4")->text(), QStringLiteral("DCBA"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text5")->text(), QStringLiteral("12"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text6")->text(), QStringLiteral("300"));
        QVERIFY(!Find<QCheckBox>(dialog, "Check3")->isChecked());
        QVERIFY(Find<QCheckBox>(dialog, "Check4")->isChecked());
        auto* grid = Find<QTableWidget>(dialog, "mfgrid1");
        QCOMPARE(GridText(grid, 0, 1), QStringLiteral("自动拨号存储器"));
        QCOMPARE(GridText(grid, 3, 0), QStringLiteral("3"));
        QCOMPARE(GridText(grid, 3, 1), QStringLiteral("333"));
        QCOMPARE(GridText(grid, 8, 1), QStringLiteral("88888888"));

        // OK without a change stores what was read.
        const ProgramSettings before = run.state.settings;
        PressButton(dialog, "Command1");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(run.state.settings, before);
    }

    void okStoresEveryControlAndCancelOrCloseBoxNothing() {
        ShellRun run;
        run.start();
        StoreSample(run);
        FillChannel(run.state, 1, "145.00000", 0, 0);
        const ProgramSettings stored = run.state.settings;
        QDialog* dialog = Open(run);
        auto change = [&] {
            const int chosen[] = {1, 1, 10, 0, 1, 1, 2, 0, 0, 1, 0, 1, 3, 18, 2, 0, 1, 1, 0};
            for (int i = 0; i < 19; ++i) {
                List(dialog, kLists[i])->setCurrentIndex(chosen[i]);
            }
            TypeInto(Find<QLineEdit>(dialog, "Text1"), "9876543210");
            TypeInto(Find<QLineEdit>(dialog, "Text3"), "A*");
            TypeInto(Find<QLineEdit>(dialog, "Text4"), "");
            TypeInto(Find<QLineEdit>(dialog, "Text5"), "45");
            TypeInto(Find<QLineEdit>(dialog, "Text6"), "0");
            Find<QCheckBox>(dialog, "Check3")->setChecked(true);
            Find<QCheckBox>(dialog, "Check4")->setChecked(false);
            QVERIFY(EditCell(Find<QTableWidget>(dialog, "mfgrid1"), 2, 1, "#0d"));
        };

        for (auto discard : {+[](QDialog* d) { PressButton(d, "Command2"); }, +CloseBox}) {
            change();
            discard(dialog);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(run.state.settings, stored);
            dialog = Open(run);
            QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("05"));
            QCOMPARE(Find<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("123A"));
            QCOMPARE(GridText(Find<QTableWidget>(dialog, "mfgrid1"), 2, 1), QStringLiteral("22"));
        }

        change();
        PressButton(dialog, "Command1");
        const ProgramSettings& s = run.state.settings;
        const char* const slots4to15[] = {"1", "",  "1", "10", "0", "1",
                                          "1", "2", "1", "0",  "1", "0"};
        for (int slot = 4; slot <= 15; ++slot) {
            if (slot != 5) {
                QCOMPARE(s.FunctionOptions[slot], std::string(slots4to15[slot - 4]));
            }
        }
        QCOMPARE(s.BasicOptions, (std::array<std::int16_t, 8>{1, 3, 1000, 2, 0, 1, 1, 0}));
        QCOMPARE(s.FunctionOptions[16], std::string("9876543210"));
        QCOMPARE(s.FunctionOptions[17], std::string("A*"));
        QCOMPARE(s.FunctionOptions[18], std::string());
        QCOMPARE(s.FunctionOptions[19], std::string("45"));
        QCOMPARE(s.FunctionOptions[20], std::string("0"));
        QCOMPARE(s.FunctionOptions[23], std::string("1"));
        QCOMPARE(s.FunctionOptions[24], std::string("0"));
        QCOMPARE(s.GroupCodes[2], std::string("#0D"));
        QCOMPARE(s.GroupCodes[3], std::string("333"));
    }

    void aStoredValueThatNamesNoItemShowsTheFirstAndOkStoresOneThatDoes() {
        ShellRun run;
        run.start();
        ProgramSettings& s = run.state.settings;
        QCOMPARE(s.BasicOptions[2], 0);  // the start-up first digit delay
        s.BasicOptions[4] = 99;
        s.FunctionOptions[7] = "11";
        s.FunctionOptions[12] = "0";
        s.FunctionOptions[15] = "-1";
        QDialog* dialog = Open(run);
        QCOMPARE(List(dialog, "Combo18")->currentText(), QStringLiteral("100MS"));
        QCOMPARE(List(dialog, "Combo19")->currentIndex(), 0);
        QCOMPARE(List(dialog, "Combo7")->currentIndex(), 0);
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("01"));
        QCOMPARE(List(dialog, "Combo15")->currentIndex(), 0);
        PressButton(dialog, "Command1");
        QCOMPARE(s.BasicOptions[2], 100);
        QCOMPARE(s.BasicOptions[4], 0);
        QCOMPARE(s.FunctionOptions[7], std::string("0"));
        QCOMPARE(s.FunctionOptions[12], std::string("1"));
        QCOMPARE(s.FunctionOptions[15], std::string("0"));
    }

    void fixedPriorityTakesTheFirstProgrammedChannel() {
        ShellRun run;
        run.start();
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        QDialog* dialog = Open(run);
        // With an empty table "Fixed" falls back to "No".
        run.window().menuItem("mnuEnglish")->trigger();
        List(dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(List(dialog, "Combo11")->currentIndex(), 0);
        QCOMPARE(answer.shown().size(), 1);
        // Chinese only, but the buttons speak the interface language.
        QCOMPARE(answer.shown()[0].prompt,
                 QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
        QCOMPARE(answer.shown()[0].title, QStringLiteral("提示"));
        QCOMPARE(answer.shown()[0].buttonTexts, QStringList({"OK"}));

        FillChannel(run.state, 5, "145.52500", 0, 0);
        List(dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("05"));
        QCOMPARE(qobject_cast<OptionalFunctionDialog*>(dialog)->rememberedPriorityChannel(), 5);

        // An empty channel is refused while the priority is fixed.
        List(dialog, "Combo12")->setCurrentIndex(2);
        QCOMPARE(answer.shown().size(), 2);
        QCOMPARE(answer.shown()[1].prompt, QStringLiteral("不可选择空信道，请重新选择！"));
        QCOMPARE(answer.shown()[1].title, QStringLiteral("KVD-270"));
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("05"));

        // With "No" or "Selected" any channel may be chosen.
        for (int priority : {0, 2}) {
            List(dialog, "Combo11")->setCurrentIndex(priority);
            List(dialog, "Combo12")->setCurrentIndex(priority + 7);
            QCOMPARE(List(dialog, "Combo12")->currentIndex(), priority + 7);
        }
        QCOMPARE(answer.shown().size(), 2);
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.FunctionOptions[11], std::string("2"));
        QCOMPARE(run.state.settings.FunctionOptions[12], std::string("10"));
    }

    void openingRunsThePriorityRulesOnTheStoredValues() {
        ShellRun run;
        run.start();
        FillChannel(run.state, 4, "145.52500", 0, 0);
        run.state.settings.FunctionOptions[11] = "1";
        run.state.settings.FunctionOptions[12] = "9";  // empty
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        QDialog* dialog = Open(run);
        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(answer.shown()[0].prompt, QStringLiteral("不可选择空信道，请重新选择！"));
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("04"));

        // The table changes while the dialog is closed; the next opening looks again.
        PressButton(dialog, "Command2");
        run.state.table.ClearGrid1();
        dialog = Open(run);
        QCOMPARE(answer.shown().size(), 2);
        QCOMPARE(answer.shown()[1].title, QStringLiteral("提示"));
        QCOMPARE(List(dialog, "Combo11")->currentIndex(), 0);
    }

    void codeFieldsTakeDtmfCharactersUpToTheirLength() {
        ShellRun run;
        run.start();
        QDialog* dialog = Open(run);
        auto* id = Find<QLineEdit>(dialog, "Text1");
        TypeInto(id, "1a#x*b9c0d7");
        QCOMPARE(id->text(), QStringLiteral("1A#*B9C0D7"));
        TypeKeys(id, "5");  // the eleventh character
        QCOMPARE(id->text(), QStringLiteral("1A#*B9C0D7"));
        id->setSelection(2, 3);
        TypeKeys(id, "d");
        QCOMPARE(id->text(), QStringLiteral("1AD9C0D7"));
        QTest::keyClick(id, Qt::Key_Backspace);
        QCOMPARE(id->text(), QStringLiteral("1A9C0D7"));

        // Pasted text keeps to the same characters and to the room left.
        auto* start = Find<QLineEdit>(dialog, "Text3");
        TypeInto(start, "12345678901234");
        QApplication::clipboard()->setText(QStringLiteral("a-b c中d*#99"));
        start->end(false);
        start->paste();
        QCOMPARE(start->text(), QStringLiteral("12345678901234AB"));
        auto* end = Find<QLineEdit>(dialog, "Text4");
        TypeInto(end, "x");
        end->paste();
        QCOMPARE(end->text(), QStringLiteral("ABCD*#99"));
    }

    void autoDialMemoriesFilterKeysAndWarnAboutLength() {
        ShellRun run;
        run.start();
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        QDialog* dialog = Open(run);
        auto* grid = Find<QTableWidget>(dialog, "mfgrid1");
        QVERIFY(EditCell(grid, 1, 1, "1a#x"));
        QCOMPARE(GridText(grid, 1, 1), QStringLiteral("1A#"));
        QVERIFY(!EditCell(grid, 1, 0, "5"));  // the numbers are not cells to edit

        QVERIFY(EditCell(grid, 4, 1, "1234567890ABCD*#"));
        QCoreApplication::processEvents();
        QCOMPARE(answer.shown().size(), 0);
        QVERIFY(EditCell(grid, 4, 1, "1234567890ABCD*#7"));
        QTRY_COMPARE(answer.shown().size(), 1);
        QCOMPARE(answer.shown()[0].prompt, QStringLiteral("存储器只能存储16位！"));
        QCOMPARE(answer.shown()[0].icon, QMessageBox::Critical);
        QCOMPARE(answer.shown()[0].title, QStringLiteral("KVD-270"));
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.GroupCodes[1], std::string("1A#"));
        QCOMPARE(run.state.settings.GroupCodes[4], std::string("1234567890ABCD*#7"));
    }

    void spinnersWriteTheirOwnCountIntoTheDelayBoxes() {
        ShellRun run;
        run.start();
        QDialog* dialog = Open(run);
        auto* delay = Find<QLineEdit>(dialog, "Text5");
        auto* spinner = Find<QScrollBar>(dialog, "VScroll1");
        spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
        TypeInto(delay, "77");
        spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(delay->text(), QStringLiteral("2"));  // not counted on from the text
        spinner->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(delay->text(), QStringLiteral("300"));
        TypeInto(delay, QStringLiteral("2,5 s中"));  // any single-byte text
        QCOMPARE(delay->text(), QStringLiteral("2,5 s"));
        Find<QScrollBar>(dialog, "VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(Find<QLineEdit>(dialog, "Text6")->text(), QStringLiteral("1"));
    }

    void languageSwitchRewritesTextsAndKeepsSelections() {
        ShellRun run;
        run.start();
        FillChannel(run.state, 1, "145.00000", 0, 0);
        QDialog* dialog = Open(run);
        const int chosen[] = {2, 1, 10, 5, 1, 1, 1, 0, 0, 91, 3, 3, 3, 18, 2, 16, 1, 6, 15};
        for (int i = 0; i < 19; ++i) {
            List(dialog, kLists[i])->setCurrentIndex(chosen[i]);
        }
        QCOMPARE(List(dialog, "Combo13")->count(), 92);
        QCOMPARE(List(dialog, "Combo13")->itemText(2), QStringLiteral("0.55 S"));
        QCOMPARE(List(dialog, "Combo13")->currentText(), QStringLiteral("空"));
        const QString dtmfCaption = Find<QLabel>(dialog, "lblCombo18")->text();

        run.window().menuItem("mnuEnglish")->trigger();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Optional Function"));
        for (int i = 0; i < 19; ++i) {
            QVERIFY2(List(dialog, kLists[i])->currentIndex() == chosen[i], kLists[i]);
        }
        QCOMPARE(List(dialog, "Combo13")->currentText(), QStringLiteral("Empty"));
        QCOMPARE(List(dialog, "Combo14")->currentText(), QStringLiteral("5.00 S"));
        QCOMPARE(List(dialog, "Combo11")->currentText(), QStringLiteral("Fixed"));
        QCOMPARE(List(dialog, "Combo7")->currentText(), QStringLiteral("10"));
        // The DTMF group reads the same in both languages.
        QCOMPARE(List(dialog, "Combo19")->currentText(), QStringLiteral("16秒"));
        QCOMPARE(Find<QLabel>(dialog, "lblCombo18")->text(), dtmfCaption);
        QCOMPARE(Find<QCheckBox>(dialog, "Check4")->text(), QStringLiteral("Received banned VOX"));
    }
};

QTEST_MAIN(OptionalFunctionTest)
#include "OptionalFunctionTest.moc"

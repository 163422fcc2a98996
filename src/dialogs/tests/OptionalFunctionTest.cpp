// The optional-function dialog: filling, storing, the priority rules, the key filters, the
// auto-dial memories and the language switch.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>

#include "DialogTestSupport.h"
#include "dialogs/FieldRule.h"
#include "settings/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

QComboBox* List(QDialog* dialog, const char* name) {
    return Find<QComboBox>(dialog, name);
}

const char* const kFields[] = {"Text1", "Text3", "Text4", "Text5", "Text6"};

// The five text boxes and the two check boxes, joined by "|".
QString Fields(QDialog* dialog) {
    QStringList texts;
    for (const char* name : kFields) {
        texts << Find<QLineEdit>(dialog, name)->text();
    }
    for (const char* name : {"Check3", "Check4"}) {
        texts << QString::number(Find<QCheckBox>(dialog, name)->isChecked());
    }
    return texts.join(u'|');
}

// The field's text starts at its left edge: the cursor after the last character stands where
// the whole text ends, so nothing has scrolled out on the left.
void ExpectNotScrolled(QLineEdit* field) {
    field->end(false);
    const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY2(cursor.center().x() >= field->fontMetrics().horizontalAdvance(field->text()),
             qPrintable(field->objectName()));
    QVERIFY(cursor.center().x() <= field->contentsRect().right());
}

QDialog* Open(ShellRun& run) {
    return OpenFromMenu(run.window(), "mnudtmf", "Form5");
}

// Settings as a radio read might leave them; channel 5 is the only one programmed.
void StoreSample(ShellRun& run) {
    FillChannel(run.state, 5, "145.52500", 0, 0);
    Settings& s = run.state.settings;
    s.pttId = 2;
    s.voxFunction = 0;
    s.voxGain = 7;
    s.voxDelay = 5;
    s.voxVolumeControl = 0;
    s.duplicate = 0;
    s.scanPriority = 1;
    s.priorityChannel = 5;
    s.retraceTimeA = 91;
    s.retraceTimeB = 3;
    s.returnChannel = 3;
    s.idCode = "123A";
    s.transmitStartCode = "*0#";
    s.transmitEndCode = "DCBA";
    s.scanReceiveDelay = 12;
    s.scanTransmitDelay = 300;
    s.voxCancelOperation = false;
    s.voxOffWhileReceiving = true;
    s.dtmfRate = 3;
    s.firstDigitTime = 2;
    s.firstDigitDelay = 300;
    s.starHashTone = 0;
    s.dKeyFunction = 16;
    s.dtmfSideTone = 0;
    s.groupCallCode = 6;
    s.autoResetTimer = 15;
    for (int m = 1; m <= 8; ++m) {
        s.autoDialMemories[m - 1] =
            std::string(static_cast<std::size_t>(m), '0' + static_cast<char>(m));
    }
}

}  // namespace

class OptionalFunctionTest : public QObject {
    Q_OBJECT
private slots:
    void opensStoredSettingsStoresOnOkOnlyAndKeepsSelectionsAcrossLanguages() {
        ShellRun run;
        run.start();
        StoreSample(run);
        const Settings stored = run.state.settings;
        QDialog* dialog = Open(run);
        auto* memories = Find<DialogGrid>(dialog, "mfgrid1");
        const QString shown = "2 0 7 5 0 0 1 4 91 3 3 3 2 4 0 16 0 6 15";
        auto expectStored = [&] {
            QCOMPARE(ListPositions(dialog), shown);
            QCOMPARE(Fields(dialog), QStringLiteral("123A|*0#|DCBA|12|300|0|1"));
            QCOMPARE(memories->text(2, 1), QStringLiteral("22"));
            QCOMPARE(memories->text(8, 1), QStringLiteral("88888888"));
        };
        const QString chosen = "1 1 10 0 1 1 2 0 0 1 0 1 3 18 2 0 1 1 0";
        auto change = [&] {
            ChoosePositions(dialog, chosen);
            const char* const texts[] = {"9876543210", "A*", "", "45", "0"};
            for (int i = 0; i < 5; ++i) {
                TypeInto(Find<QLineEdit>(dialog, kFields[i]), texts[i]);
            }
            Find<QCheckBox>(dialog, "Check3")->setChecked(true);
            Find<QCheckBox>(dialog, "Check4")->setChecked(false);
            QVERIFY(EditCell(memories, 2, 1, "#0d"));
        };

        expectStored();
        for (auto discard :
             {+[](QDialog* d) { PressButton(d, "Command2"); }, +[](QDialog* d) { d->close(); }}) {
            change();
            discard(dialog);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(run.state.settings, stored);
            QCOMPARE(Open(run), dialog);
            expectStored();
        }

        change();
        MenuItem(run.window(), "mnuEnglish")->trigger();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Optional Function"));
        QCOMPARE(ListPositions(dialog), chosen);
        QCOMPARE(List(dialog, "Combo13")->currentText(), QStringLiteral("Empty"));
        QCOMPARE(Fields(dialog), QStringLiteral("9876543210|A*||45|0|1|0"));
        PressButton(dialog, "Command1");
        Settings expected = stored;
        expected.pttId = 1;
        expected.voxFunction = 1;
        expected.voxGain = 10;
        expected.voxDelay = 0;
        expected.voxVolumeControl = 1;
        expected.duplicate = 1;
        expected.scanPriority = 2;
        expected.priorityChannel = 1;
        expected.retraceTimeA = 0;
        expected.retraceTimeB = 1;
        expected.returnChannel = 0;
        expected.idCode = "9876543210";
        expected.transmitStartCode = "A*";
        expected.transmitEndCode = "";
        expected.scanReceiveDelay = 45;
        expected.scanTransmitDelay = 0;
        expected.voxCancelOperation = true;
        expected.voxOffWhileReceiving = false;
        expected.dtmfRate = 1;
        expected.firstDigitTime = 3;
        expected.firstDigitDelay = 1000;
        expected.starHashTone = 2;
        expected.dKeyFunction = 0;
        expected.dtmfSideTone = 1;
        expected.groupCallCode = 1;
        expected.autoResetTimer = 0;
        expected.autoDialMemories[1] = "#0D";
        QCOMPARE(run.state.settings, expected);
        QVERIFY(run.unansweredBoxes().isEmpty());
    }

    void aStoredValueThatNamesNoItemShowsTheFirstAndOkStoresOneThatDoes() {
        ShellRun run;
        run.start();
        Settings& s = run.state.settings;
        s.dKeyFunction = 99;  // and the first digit delay is 0 at start-up
        s.voxGain = 11;
        s.priorityChannel = 0;
        s.returnChannel = -1;
        QDialog* dialog = Open(run);
        QCOMPARE(List(dialog, "Combo18")->currentText(), QStringLiteral("100MS"));
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("01"));
        PressButton(dialog, "Command1");
        QCOMPARE(s.firstDigitDelay, 100);
        QCOMPARE(s.dKeyFunction, 0);
        QCOMPARE(s.voxGain, 0);
        QCOMPARE(s.priorityChannel, 1);
        QCOMPARE(s.returnChannel, 0);
    }

    void thePriorityRulesLookAtTheChannelTable() {
        ShellRun run;
        run.start();
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        QDialog* dialog = Open(run);
        // With an empty table "Fixed" falls back to "No", in the words of the interface
        // language (the old program said it in Chinese only).
        List(dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(List(dialog, "Combo11")->currentIndex(), 0);
        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(answer.shown()[0].prompt,
                 QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
        QCOMPARE(answer.shown()[0].title, QStringLiteral("提示"));
        MenuItem(run.window(), "mnuEnglish")->trigger();
        List(dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(answer.shown().size(), 2);
        QCOMPARE(answer.shown()[1].prompt,
                 QStringLiteral("When set to 'Fixed' the channel cannot be empty, please reset!"));
        QCOMPARE(answer.shown()[1].title, QStringLiteral("Notice"));
        QCOMPARE(answer.shown()[1].buttonTexts, QStringList({"OK"}));
        MenuItem(run.window(), "mnuChinese")->trigger();

        // With only channel 5 programmed, "Fixed" takes it and refuses an empty channel.
        FillChannel(run.state, 5, "145.52500", 0, 0);
        List(dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("05"));
        List(dialog, "Combo12")->setCurrentIndex(2);
        QCOMPARE(answer.shown().size(), 3);
        QCOMPARE(answer.shown()[2].prompt, QStringLiteral("不可选择空信道，请重新选择！"));
        QCOMPARE(answer.shown()[2].title, QStringLiteral("KVD-270"));
        QCOMPARE(List(dialog, "Combo12")->currentText(), QStringLiteral("05"));

        // With "No" or "Selected" any channel may be chosen.
        for (int priority : {0, 2}) {
            List(dialog, "Combo11")->setCurrentIndex(priority);
            List(dialog, "Combo12")->setCurrentIndex(priority + 7);
            QCOMPARE(List(dialog, "Combo12")->currentIndex(), priority + 7);
        }
        QCOMPARE(answer.shown().size(), 3);
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.priorityChannel, 10);

        // Opening runs the rules on the stored values and on the table as it is then.
        run.state.settings.scanPriority = 1;
        run.state.channels.clear();
        Open(run);
        QCOMPARE(answer.shown().size(), 4);
        QCOMPARE(answer.shown()[3].title, QStringLiteral("提示"));
        QCOMPARE(List(dialog, "Combo11")->currentIndex(), 0);
    }

    void fieldsKeepToTheirCharactersAndLengths() {
        ShellRun run;
        run.start();
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        QDialog* dialog = Open(run);
        auto* id = Find<QLineEdit>(dialog, "Text1");
        TypeInto(id, "1a#x*b9c0d7");
        QCOMPARE(id->text(), QStringLiteral("1A#*B9C0D7"));
        TypeKeys(id, "5");  // the eleventh character
        QCOMPARE(id->text(), QStringLiteral("1A#*B9C0D7"));
        id->setSelection(2, 3);
        TypeKeys(id, "d");
        QCOMPARE(id->text(), QStringLiteral("1AD9C0D7"));

        // Pasted text keeps to the same characters and to the room left.
        auto* start = Find<QLineEdit>(dialog, "Text3");
        TypeInto(start, "12345678901234");
        QApplication::clipboard()->setText(QStringLiteral("a-b c中d*#99"));
        start->end(false);
        start->paste();
        QCOMPARE(start->text(), QStringLiteral("12345678901234AB"));

        // The delay boxes take any one-byte text; their spinners count on from their own value.
        auto* delay = Find<QLineEdit>(dialog, "Text5");
        auto* spinner = Find<QScrollBar>(dialog, "VScroll1");
        spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
        TypeInto(delay, QStringLiteral("2,5 s中"));
        QCOMPARE(delay->text(), QStringLiteral("2,5 s"));
        spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(delay->text(), QStringLiteral("2"));
        spinner->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(delay->text(), QStringLiteral("300"));

        // The auto-dial memories take DTMF keys and warn, after the edit, beyond 16.
        auto* memories = Find<DialogGrid>(dialog, "mfgrid1");
        QVERIFY(EditCell(memories, 1, 1, "1a#x"));
        QCOMPARE(memories->text(1, 1), QStringLiteral("1A#"));
        QVERIFY(!EditCell(memories, 1, 0, "5"));  // the numbers are not cells to edit
        QVERIFY(EditCell(memories, 4, 1, "1234567890ABCD*#"));
        QCoreApplication::processEvents();
        QCOMPARE(answer.shown().size(), 0);
        QVERIFY(EditCell(memories, 4, 1, "1234567890ABCD*#7"));
        QTRY_COMPARE(answer.shown().size(), 1);
        QCOMPARE(answer.shown()[0].prompt, QStringLiteral("存储器只能存储16位！"));
        QCOMPARE(answer.shown()[0].icon, QMessageBox::Critical);
        PressButton(dialog, "Command1");
        QCOMPARE(run.state.settings.autoDialMemories[0], std::string("1A#"));
        QCOMPARE(run.state.settings.autoDialMemories[3], std::string("1234567890ABCD*#7"));
    }

    // The scan delays reach the radio as 16-bit words; it takes 0 to 300 s. Anything else is
    // refused at OK, naming the field in the interface language, and the dialog stays open.
    void scanDelaysOutsideWhatTheRadioTakesAreRefusedAtOk() {
        ShellRun run;
        run.start();
        QDialog* dialog = Open(run);
        auto* receive = Find<QLineEdit>(dialog, "Text5");
        auto* launch = Find<QLineEdit>(dialog, "Text6");
        const Settings stored = run.state.settings;
        for (const char* refused : {"99999", "-7", "301", "1.5", " 5", "abc", "0x10"}) {
            MessageBoxResponder answer(MessageBoxStyle::kIdOk);
            TypeInto(receive, refused);
            PressButton(dialog, "Command1");
            QVERIFY2(dialog->isVisible(), refused);
            QCOMPARE(run.state.settings, stored);
            QCOMPARE(answer.shown().size(), 1);
            QCOMPARE(answer.shown()[0].prompt,
                     QStringLiteral("扫描接收恢复延时时间(秒)只能是 0 到 300 之间的整数！"));
            QCOMPARE(dialog->focusWidget(), receive);
        }
        MenuItem(run.window(), "mnuEnglish")->trigger();
        TypeInto(receive, "300");
        TypeInto(launch, "-7");
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);
        PressButton(dialog, "Command1");
        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(
            answer.shown()[0].prompt,
            QStringLiteral("Scan launch delay time(S) takes only whole numbers from 0 to 300!"));
        QVERIFY(dialog->isVisible());
        const std::pair<const char*, std::optional<std::int16_t>> taken[] = {
            {"", std::nullopt}, {"0", 0}, {"007", 7}, {"300", 300}};
        for (auto [typed, seconds] : taken) {
            TypeInto(launch, typed);
            PressButton(dialog, "Command1");
            QVERIFY2(!dialog->isVisible(), typed);
            QCOMPARE(run.state.settings.scanTransmitDelay, seconds);
            Open(run);
        }
        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(run.state.settings.scanReceiveDelay, std::optional<std::int16_t>(300));
    }

    // Clicking the memory being edited again and typing at once writes into that memory, not
    // into one whose text starts with the key. A full memory shows whole, as do full codes.
    void memoriesTakeTypingWhereEditedAndShowWhole() {
        ShellRun run;
        run.startActive();
        QDialog* dialog = Open(run);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* memories = Find<DialogGrid>(dialog, "mfgrid1");
        const auto click = [memories](int row) {
            QTest::mouseClick(memories->viewport(), Qt::LeftButton, {},
                              memories->visualRect(memories->model()->index(row, 1)).center());
        };
        const auto type = [dialog](const char* keys) {
            for (const char* key = keys; *key; ++key) {
                QTest::keyClick(dialog->focusWidget(), *key);
            }
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        };
        click(3);
        type("3C");
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        click(3);
        type("4B");
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QCOMPARE(memories->text(3, 1), QStringLiteral("4B"));
        QCOMPARE(memories->text(4, 1), QStringLiteral("4"));

        // Sixteen of the widest key, shown in the cell and typed into its editor.
        const QString full = WidestDtmfText(memories->fontMetrics(), 16);
        memories->setText(5, 1, full);
        // The item views' text margin, within which a longer text is cut with "…".
        const int margin = memories->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        QVERIFY(memories->fontMetrics().horizontalAdvance(full) + 2 * margin <=
                memories->visualRect(memories->model()->index(5, 1)).width());
        QVERIFY(EditCell(memories, 6, 1, full));
        QCOMPARE(memories->text(6, 1), full);
        QTest::qWait(QApplication::doubleClickInterval() + 50);  // a click, not a double click
        click(6);
        auto* editor = memories->viewport()->findChild<QLineEdit*>(QStringLiteral("cellEditor"));
        QVERIFY(editor && editor->isVisible());
        ExpectNotScrolled(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        for (const char* name : {"Text3", "Text4"}) {
            auto* code = Find<QLineEdit>(dialog, name);
            TypeInto(code, full);
            QCOMPARE(code->text(), full);
            ExpectNotScrolled(code);
        }
    }
};

QTEST_MAIN(OptionalFunctionTest)
#include "OptionalFunctionTest.moc"

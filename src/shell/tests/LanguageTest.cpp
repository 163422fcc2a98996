// The interface language: switching it, every window and Qt's own texts following it, the
// Language menu's mark, and the message box that speaks it.
#include <memory>
#include <tuple>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

#include "ShellTestSupport.h"
#include "widgets/InterfaceLanguage.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

const char* const kPanelLists[] = {"Combo2", "Combo3", "Combo4", "Combo9", "Combo6", "Combo7"};

QComboBox* List(MainWindow& window, const char* name) {
    return window.findChild<QComboBox*>(name);
}

// Presses the button with this caption in the next box that opens; Escape for no caption.
void PressWhenShown(const QString& caption) {
    QTimer::singleShot(0, [caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box && box->textFormat() == Qt::PlainText);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption) {
                return button->click();
            }
        }
        QTest::keyClick(box, Qt::Key_Escape);
    });
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void switchingKeepsSelectionsAndRewritesListDerivedCells() {
        ShellRun run;
        MainWindow& window = run.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        FillChannel(run.state, 1, "145.52500", 0, 0);
        window.RefreshFromState();
        const int chosen[] = {2, 39, 0, 9, 0, 1};
        for (int i = 0; i < 6; ++i) {
            List(window, kPanelLists[i])->setCurrentIndex(chosen[i]);  // as the user picks
        }
        QCOMPARE(run.state.settings.transmitTimeout, 39);
        const RadioState before = run.state;
        const QRect gridPlace = window.grid()->geometry();

        MenuItem(window, "mnuEnglish")->trigger();
        QApplication::processEvents();
        // A switch only shows the same values in the other language.
        QVERIFY(run.state.channels == before.channels);
        QVERIFY(run.state.settings == before.settings);
        for (int i = 0; i < 6; ++i) {
            QComboBox* list = List(window, kPanelLists[i]);
            QCOMPARE(list->currentIndex(), chosen[i]);
            for (int item = 0; item < list->count(); ++item) {  // nothing cut off
                QVERIFY(list->fontMetrics().horizontalAdvance(list->itemText(item)) <
                        list->width());
            }
        }
        QCOMPARE(window.grid()->geometry(), gridPlace);
        QCOMPARE(List(window, "Combo3")->currentText(), QStringLiteral("600 S"));
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QStringLiteral("Time-out Warn:"));
        QCOMPARE(window.findChild<QAction*>("Toolbar1_read")->toolTip(), "Read frequency");
        // The grid shows the channels' values in the language.
        QCOMPARE(CellText(window, 1, 2), QStringLiteral("Off"));
        QCOMPARE(CellText(window, 0, 1), QStringLiteral("RX frequency"));

        QVERIFY(MenuItem(window, "mnuEnglish")->isChecked());
        QVERIFY(!MenuItem(window, "mnuChinese")->isChecked());

        MenuItem(window, "mnuChinese")->trigger();
        QVERIFY(MenuItem(window, "mnuChinese")->isChecked());
        QVERIFY(!MenuItem(window, "mnuEnglish")->isChecked());
        QCOMPARE(CellText(window, 1, 2), QStringLiteral("关闭"));
        QCOMPARE(List(window, "Combo7")->currentText(), QStringLiteral("使能"));
    }

    void choosingTheCurrentLanguageRewritesNothing() {
        ShellRun run;
        MainWindow& window = run.start();
        FillChannel(run.state, 2, "145.00000", 0, 1);
        window.RefreshFromState();
        QSignalSpy cellsShown(window.gridModel(), &QAbstractItemModel::dataChanged);
        // Marks that a rewrite would wipe out.
        List(window, "Combo6")->setItemText(0, "mark");
        MenuItem(window, "mnuOpen")->setText("mark");
        MenuItem(window, "mnuChinese")->trigger();
        QVERIFY2(MenuItem(window, "mnuChinese")->isChecked(), "the mark stays on a second click");
        // A language that is neither (a stored 2): both items leave it be.
        run.state.flags.Language = 2;
        MenuItem(window, "mnuChinese")->trigger();
        MenuItem(window, "mnuEnglish")->trigger();
        QCOMPARE(run.state.flags.Language, 2);
        QCOMPARE(cellsShown.size(), 0);
        QCOMPARE(List(window, "Combo6")->itemText(0), QStringLiteral("mark"));
        QCOMPARE(MenuItem(window, "mnuOpen")->text(), QStringLiteral("mark"));
    }

    // Every window of the program speaks the language the switch chose, whether it was made
    // before the switch or after; so do Qt's own file dialogs and the editors' menus.
    void everyWindowAndQtsOwnTextsFollowTheSwitch() {
        ShellRun run;
        MainWindow& window = run.start();
        const std::tuple<const char*, const char*, QStringList> windows[] = {
            {"mnudebug", "Form2", {"Debug", "Debug"}},
            {"mnutestfre", "Form4", {"测试频率", "测试频率"}},
            {"mnudtmf", "Form5", {"可选功能", "Optional Function"}},
            {"Key_enactment", "Form6", {"键设定", "Keys Set"}},
            {"mnusetin", "Form7", {"嵌入信息", "Embedded Information"}},
            {"mnuabout", "frmAbout", {"关于", "About"}},
        };
        // Half the windows are made before the switch, half after it.
        auto open = [&](int first, int last) {
            for (int i = first; i <= last; ++i) {
                MenuItem(window, std::get<0>(windows[i]))->trigger();
                window.findChild<QDialog*>(std::get<1>(windows[i]))->hide();
            }
        };
        auto titlesAre = [&](int last, int language) {
            for (int i = 0; i <= last; ++i) {
                const auto& [item, name, titles] = windows[i];
                QCOMPARE(window.findChild<QDialog*>(name)->windowTitle(), titles[language]);
            }
        };
        auto qtTexts = [] {
            QFileDialog files;
            files.setOption(QFileDialog::DontUseNativeDialog);
            QLineEdit edit;
            std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
            return QStringList{files.findChild<QLabel*>("lookInLabel")->text(),
                               menu->actions().front()->text()};
        };
        open(0, 2);
        titlesAre(2, kChinese);
        QCOMPARE(qtTexts()[0], QStringLiteral("查找范围："));
        QVERIFY(!qtTexts()[1].startsWith(QStringLiteral("&Undo")));

        MenuItem(window, "mnuEnglish")->trigger();
        open(3, 5);
        titlesAre(5, kEnglish);
        QCOMPARE(qtTexts()[0], QStringLiteral("Look in:"));
        QVERIFY(qtTexts()[1].startsWith(QStringLiteral("&Undo")));
    }

    void messageBoxesSpeakTheLanguageAndReturnTheButtonPressed() {
        // The real box returns the button pressed; closing it counts as Cancel.
        UseLanguage(kChinese);
        PressWhenShown(QStringLiteral("否(&N)"));
        QCOMPARE(LocalizedMessageBox(nullptr, "?", Style::kYesNoCancel), Style::kIdNo);
        UseLanguage(kEnglish);
        PressWhenShown(QStringLiteral("&Retry"));
        QCOMPARE(LocalizedMessageBox(nullptr, "?", Style::kAbortRetryIgnore), Style::kIdRetry);
        PressWhenShown(QString());
        QCOMPARE(LocalizedMessageBox(nullptr, "<b>?</b>", Style::kOkCancel), Style::kIdCancel);
        MessageBoxResponder answer(Style::kIdOk);
        for (LanguageId language : {kChinese, kEnglish, kTraditionalButtons, LanguageId(3)}) {
            UseLanguage(language);
            LocalizedMessageBox(nullptr, "?", Style::kYesNoCancel);
        }
        UseLanguage(kTraditionalButtons);
        LocalizedMessageBox(nullptr, "?", Style::kAbortRetryIgnore);
        const auto& shown = answer.shown();
        QCOMPARE(shown[0].buttonTexts, QStringList({"是(&Y)", "否(&N)", "取消"}));
        QCOMPARE(shown[1].buttonTexts, QStringList({"&Yes", "&No", "Cancel"}));
        QCOMPARE(shown[2].buttonTexts, QStringList({"是(&Y)", "否(&N)", "取消"}));
        QCOMPARE(shown[3].buttonTexts, QStringList({"&Yes", "&No", "Cancel"}));
        QCOMPARE(shown[4].buttonTexts, QStringList({"放棄(&A)", "重試(&R)", "忽略(&I)"}));
        UseLanguage(kChinese);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"

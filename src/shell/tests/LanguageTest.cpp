// Switching the interface language, and windows joining the switch through the registry.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "ShellTestSupport.h"
#include "shell/ChannelGrid.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MainCaptions.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

const char* const kPanelLists[] = {"Combo2", "Combo3", "Combo4", "Combo9", "Combo6", "Combo7"};

QComboBox* List(MainWindow& window, const char* name) {
    return window.findChild<QComboBox*>(name);
}

// A dialog as a later part of the program makes one: a window of its own, hidden.
QWidget* MakeDialog(MainWindow& owner, const char* name) {
    auto* dialog = new QWidget(&owner, Qt::Window);
    dialog->setObjectName(name);
    auto* label = new QLabel(dialog);
    label->setObjectName("lblTitle");
    auto* list = new QComboBox(dialog);
    list->setObjectName("cboMode");
    list->addItems({"a", "b", "c"});
    list->setCurrentIndex(2);
    return dialog;
}

constexpr Caption kDialogCaptions[] = {
    {"frmAbout", Caption::Text, {"测试窗口", "Test window"}},
    {"lblTitle", Caption::Text, {"标题", "Title"}},
};
constexpr LocalText kModes[] = {{"甲", "A"}, {"乙", "B"}, {"丙", "C"}};
constexpr ListCaption kDialogLists[] = {{"cboMode", kModes}};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void switchingKeepsSelectionsAndRewritesListDerivedCells() {
        ShellRun run;
        MainWindow& window = run.start();
        FillChannel(run.state, 1, "145.52500", 0, 0);
        FillChannel(run.state, 3, "146.00000", 9, 1);  // 88.5 Hz
        run.state.table.setCell(3, ChannelTable::kTxTone, "D023N");
        run.state.table.setChoiceIndex(3, ChannelTable::kTxTone, 51);
        const int chosen[] = {2, 39, 0, 9, 0, 1};
        for (int i = 0; i < 6; ++i) {
            List(window, kPanelLists[i])->setCurrentIndex(chosen[i]);  // as the user picks
        }
        const PanelChoices panel = run.state.panel;
        QCOMPARE(panel.positions[1], 39);

        window.menuItem("mnuEnglish")->trigger();

        QCOMPARE(run.state.flags.Language, kEnglish);
        QCOMPARE(run.state.panel, panel);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(List(window, kPanelLists[i])->currentIndex(), chosen[i]);
        }
        QCOMPARE(List(window, "Combo2")->currentText(), QStringLiteral("Englist"));
        QCOMPARE(List(window, "Combo3")->currentText(), QStringLiteral("600 S"));
        QCOMPARE(List(window, "Combo9")->currentText(), QStringLiteral("9 Group"));
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QStringLiteral("Time-out Warn:"));
        QCOMPARE(CellText(window, 0, 1), QStringLiteral("RX frequency"));
        QCOMPARE(CellText(window, 1, 2), QStringLiteral("Off"));
        QCOMPARE(CellText(window, 1, 5), QStringLiteral("Low"));
        QCOMPARE(CellText(window, 3, 5), QStringLiteral("Hight"));
        QCOMPARE(CellText(window, 3, 6), QStringLiteral("Off"));
        QCOMPARE(CellText(window, 3, 8), QStringLiteral("Have"));
        QCOMPARE(CellText(window, 3, 2), QStringLiteral("88.5"));
        QCOMPARE(CellText(window, 3, 4), QStringLiteral("D023N"));
        QCOMPARE(CellText(window, 3, 1), QStringLiteral("146.00000"));
        QCOMPARE(CellText(window, 2, 5), QString());  // an empty channel stays empty
        QCOMPARE(window.findChild<QAction*>("Toolbar1_read")->toolTip(),
                 QStringLiteral("Read frequency"));

        window.menuItem("mnuChinese")->trigger();
        QCOMPARE(CellText(window, 1, 2), QStringLiteral("关闭"));
        QCOMPARE(CellText(window, 3, 7), QStringLiteral("宽带"));
        QCOMPARE(List(window, "Combo7")->currentText(), QStringLiteral("使能"));
        QCOMPARE(window.findChild<QMenu*>("mnupro")->title(), QStringLiteral("编程(&P)"));
    }

    void choosingTheCurrentLanguageRewritesNothing() {
        ShellRun run;
        MainWindow& window = run.start();
        FillChannel(run.state, 2, "145.00000", 0, 1);
        // Marks that a rewrite would wipe out.
        run.state.table.setCell(2, ChannelTable::kRxTone, "mark");
        window.findChild<QGroupBox*>("Frame1")->setTitle("mark");
        List(window, "Combo6")->setItemText(0, "mark");
        window.menuItem("mnuOpen")->setText("mark");

        window.menuItem("mnuChinese")->trigger();
        QCOMPARE(run.state.table.cell(2, ChannelTable::kRxTone), std::string("mark"));
        QCOMPARE(window.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("mark"));
        QCOMPARE(List(window, "Combo6")->itemText(0), QStringLiteral("mark"));
        QCOMPARE(window.menuItem("mnuOpen")->text(), QStringLiteral("mark"));

        window.menuItem("mnuEnglish")->trigger();
        window.findChild<QGroupBox*>("Frame1")->setTitle("mark");
        window.menuItem("mnuEnglish")->trigger();
        QCOMPARE(window.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("mark"));
    }

    void switchingMovesNothingAndCutsNoListText() {
        ShellRun run;
        MainWindow& window = run.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QWidget*> watched = {window.grid(), window.findChild<QWidget*>("Frame1"),
                                   window.findChild<QWidget*>("Frame2")};
        for (const char* name : kPanelLists) {
            watched.append(List(window, name));
        }
        QList<QRect> before;
        for (QWidget* widget : watched) {
            before.append(widget->geometry());
        }
        window.menuItem("mnuEnglish")->trigger();
        QApplication::processEvents();
        for (int i = 0; i < watched.size(); ++i) {
            QCOMPARE(watched[i]->geometry(), before[i]);
        }
        for (const char* name : kPanelLists) {
            QComboBox* list = List(window, name);
            for (int i = 0; i < list->count(); ++i) {
                QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) < list->width(),
                         qPrintable(list->itemText(i)));
            }
        }
    }

    void messagesSpeakTheLanguageSwitchedTo() {
        ShellRun run;
        MainWindow& window = run.start();
        MessageBoxResponder answer(MessageBoxStyle::kIdYes);
        window.menuItem("mnuEnglish")->trigger();
        window.LocalizedMessageBox("?", MessageBoxStyle::kYesNo);
        QCOMPARE(answer.shown().back().buttonTexts, QStringList({"Yes", "No"}));
        window.menuItem("mnuChinese")->trigger();
        window.LocalizedMessageBox("?", MessageBoxStyle::kYesNo);
        QCOMPARE(answer.shown().back().buttonTexts,
                 QStringList({QStringLiteral("是"), QStringLiteral("否")}));
    }

    void everyMainCaptionNamesAControlThatTakesIt() {
        ShellRun run;
        MainWindow& window = run.build();
        QCOMPARE(MissingCaptionTargets(&window, MainCaptions()), QStringList());
    }

    void registeredWindowsAreVisitedByRankMadeOnceAndStayHidden() {
        // A window without the program's parts, so only the test's windows are registered.
        QTemporaryDir folder;
        RadioState state;
        MainWindow window(state, {folder.path()});
        QStringList visits;
        int made = 0;
        auto entry = [&](int rank, const char* name) {
            return LanguageRegistry::Entry{
                rank,
                [&, name] {
                    ++made;
                    return MakeDialog(window, name);
                },
                {kDialogCaptions, kDialogLists},
                [&, name](QWidget*, LanguageId) { visits.append(name); }};
        };
        // Added in any order, visited in the fixed one.
        window.languages().add(entry(LanguageRegistry::kAbout, "frmAbout"));
        window.languages().add(entry(LanguageRegistry::kPowerDebug, "Form2"));
        window.languages().add(entry(LanguageRegistry::kKeysSet, "Form6"));
        window.languages().add({LanguageRegistry::kMainWindow,
                                [&] { return &window; },
                                {},
                                [&](QWidget*, LanguageId) { visits.append("cell lists"); }});

        window.Startup();
        window.show();
        QCOMPARE(visits, QStringList({"cell lists", "Form2", "Form6", "frmAbout"}));
        QCOMPARE(made, 3);
        QWidget* about = window.languages().window(LanguageRegistry::kAbout);
        QVERIFY(about);
        QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
        QVERIFY(!about->isVisible());
        QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("标题"));
        QCOMPARE(window.languages().window(LanguageRegistry::kOptionalFunction), nullptr);

        auto* modes = about->findChild<QComboBox*>("cboMode");
        window.menuItem("mnuEnglish")->trigger();
        QCOMPARE(made, 3);
        QCOMPARE(about->windowTitle(), QStringLiteral("Test window"));
        QCOMPARE(modes->currentIndex(), 2);
        QCOMPARE(modes->currentText(), QStringLiteral("C"));

        // Closing the main window closes every other window with it.
        about->show();
        window.close();
        QVERIFY(!about->isVisible());
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"

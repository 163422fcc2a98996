// The interface language: switching it, windows joining the switch in their order, and the
// message box that speaks it.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "ShellTestSupport.h"
#include "shell/MainCaptions.h"
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

        window.menuItem("mnuEnglish")->trigger();
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

        window.menuItem("mnuChinese")->trigger();
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
        window.menuItem("mnuOpen")->setText("mark");
        QCOMPARE(MissingCaptionTargets(&window, MainCaptions()), QStringList());
        window.menuItem("mnuChinese")->trigger();
        // A language that is neither (a stored 2): both items leave it be.
        run.state.flags.Language = 2;
        window.menuItem("mnuChinese")->trigger();
        window.menuItem("mnuEnglish")->trigger();
        QCOMPARE(run.state.flags.Language, 2);
        QCOMPARE(cellsShown.size(), 0);
        QCOMPARE(List(window, "Combo6")->itemText(0), QStringLiteral("mark"));
        QCOMPARE(window.menuItem("mnuOpen")->text(), QStringLiteral("mark"));
    }

    void registeredWindowsAreVisitedByRank() {
        // A window without the program's parts, so only the test's windows are registered.
        QTemporaryDir folder;
        RadioState state;
        MainWindow window(state, {folder.path()});
        QStringList visits;
        auto entry = [&](int rank, const char* name) {
            return LanguageRegistry::Entry{
                rank,
                [&window] { return new QWidget(&window, Qt::Window); },
                {},
                [&visits, name](QWidget*, LanguageId) { visits.append(name); }};
        };
        // Added in any order, visited in the fixed one.
        window.languages().add(entry(LanguageRegistry::kAbout, "frmAbout"));
        window.languages().add(entry(LanguageRegistry::kPowerDebug, "Form2"));
        window.languages().add(entry(LanguageRegistry::kKeysSet, "Form6"));
        window.Startup();
        QCOMPARE(visits, QStringList({"Form2", "Form6", "frmAbout"}));
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

// The band list on the window: the question when the user changes the band from the opened
// list, the silent changes, and the list following the core.
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "ShellTestSupport.h"
#include "shell/BandCombo.h"
#include "shell/FunctionPanel.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MessageBoxStyle.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

constexpr int kBand136 = 5;
constexpr int kBand400to430 = 2;

// The window with band 136-174MHz taken from a file and two channels in it.
MainWindow& StartWithChannels(ShellRun& run) {
    MainWindow& window = run.start();
    run.state.band.TakeBand(kBand136);
    FillChannel(run.state, 1, "145.00000", 0, 1);
    FillChannel(run.state, 7, "150.02500", 3, 0);
    window.RefreshFromState();
    return window;
}

// What a user does: open the list, move to an item, press Enter.
void ChooseFromOpenedList(BandCombo* list, int position) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(position, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

}  // namespace

class BandListTest : public QObject {
    Q_OBJECT
private slots:
    void changeFromTheOpenedListAnsweredOkEmptiesTheTable() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        MessageBoxResponder answer(MessageBoxStyle::kIdOk);

        ChooseFromOpenedList(window.bandList(), kBand400to430);

        QCOMPARE(answer.shown().size(), 1);
        const MessageBoxRecord& asked = answer.shown().front();
        QCOMPARE(asked.prompt, QStringLiteral("改变频段将清除频道列表，确定吗？"));
        QCOMPARE(asked.title, QStringLiteral("注意！"));
        QCOMPARE(asked.icon, QMessageBox::Question);
        QCOMPARE(asked.buttons, QList<int>({MessageBoxStyle::kIdOk, MessageBoxStyle::kIdCancel}));
        QCOMPARE(asked.defaultButton, MessageBoxStyle::kIdCancel);
        QCOMPARE(window.bandList()->currentIndex(), kBand400to430);
        QCOMPARE(run.state.band.BandLowMHz, 400);
        QCOMPARE(run.state.band.BandHighMHz, 430);
        QVERIFY(!run.state.table.hasChannel(1));
        QVERIFY(!run.state.table.hasChannel(7));
        QCOMPARE(run.state.table.choiceIndex(7, ChannelTable::kRxTone), 0);
        QCOMPARE(CellText(window, 7, 1), QString());
        QCOMPARE(CellText(window, 7, 0), QStringLiteral("07"));
    }

    void changeAnsweredCancelPutsTheOldBandBack() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        MessageBoxResponder answer(MessageBoxStyle::kIdCancel);

        ChooseFromOpenedList(window.bandList(), kBand400to430);

        QCOMPARE(answer.shown().size(), 1);
        QCOMPARE(window.bandList()->currentIndex(), kBand136);
        QCOMPARE(window.bandList()->currentText(), QStringLiteral("136-174MHz"));
        QCOMPARE(run.state.band.BandLowMHz, 136);
        QCOMPARE(run.state.band.BandHighMHz, 174);
        QCOMPARE(CellText(window, 7, 1), QStringLiteral("150.02500"));
        QCOMPARE(run.state.table.choiceIndex(7, ChannelTable::kRxTone), 3);
    }

    void theQuestionSpeaksEnglishInEnglish() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        window.menuItem("mnuEnglish")->trigger();
        MessageBoxResponder answer(MessageBoxStyle::kIdCancel);
        ChooseFromOpenedList(window.bandList(), 0);
        QCOMPARE(answer.shown().front().prompt,
                 QStringLiteral("Change frequency channel list will remove, sure?"));
        QCOMPARE(answer.shown().front().title, QStringLiteral("Attention!"));
        QCOMPARE(answer.shown().front().buttonTexts, QStringList({"OK", "Cancel"}));
    }

    void arrowKeysOnTheClosedListChangeTheBandSilently() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        MessageBoxResponder answer(MessageBoxStyle::kIdCancel);

        QTest::keyClick(window.bandList(), Qt::Key_Down);

        QCOMPARE(answer.shown().size(), 0);
        QCOMPARE(window.bandList()->currentIndex(), kBand136 + 1);
        QCOMPARE(run.state.band.BandLowMHz, 600);
        QCOMPARE(run.state.band.BandHighMHz, 720);
        QVERIFY(run.state.table.hasChannel(7));
    }

    void choosingTheSelectedBandAsksNothing() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        MessageBoxResponder answer(MessageBoxStyle::kIdCancel);
        ChooseFromOpenedList(window.bandList(), kBand136);
        QCOMPARE(answer.shown().size(), 0);
        QVERIFY(run.state.table.hasChannel(1));
    }

    void programCodeSettingTheListAsksNothing() {
        ShellRun run;
        MainWindow& window = StartWithChannels(run);
        MessageBoxResponder answer(MessageBoxStyle::kIdCancel);
        // As a read does before its conversation: the band it brings is taken silently.
        run.state.band.SuppressBandPrompt = true;
        window.bandList()->setCurrentIndex(3);
        QCOMPARE(answer.shown().size(), 0);
        QCOMPARE(run.state.band.BandLowMHz, 370);
        QVERIFY(run.state.table.hasChannel(1));
    }

    void refreshShowsBandAndPanelOfTheState() {
        ShellRun run;
        MainWindow& window = run.start();
        MessageBoxResponder answer(MessageBoxStyle::kIdCancel);
        run.state.band.TakeBand(4);
        run.state.panel[PanelList::Squelch] = 7;
        run.state.panel[PanelList::Beep] = 0;
        window.RefreshFromState();
        QCOMPARE(answer.shown().size(), 0);
        QCOMPARE(window.bandList()->currentIndex(), 4);
        QCOMPARE(window.functionPanel()->list(PanelList::Squelch)->currentIndex(), 7);
        QCOMPARE(window.functionPanel()->list(PanelList::Beep)->currentIndex(), 0);
        // Showing the state is no choice of the user's: the state keeps its values.
        QCOMPARE(run.state.panel[PanelList::Squelch], 7);
    }
};

QTEST_MAIN(BandListTest)
#include "BandListTest.moc"

// The debug-frequency dialog applies the raster rules (pinned with the core) to both cells of
// a row, locks a transmit cell without a receive frequency, and stores on OK.
#include <QApplication>
#include <QPushButton>

#include "DialogTestSupport.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

constexpr int kRx = 1;
constexpr int kTx = 2;

QString Row(DialogGrid* grid, int row) {
    return grid->text(row, 0) + "|" + grid->text(row, kRx) + "|" + grid->text(row, kTx);
}

}  // namespace

class DebugFrequencyTest : public QObject {
    Q_OBJECT
private slots:
    void editsFollowTheRasterRulesAndAreStoredOnlyOnOk() {
        ShellRun run;
        run.start();
        auto& rows = run.state.settings.debugFrequencies;
        rows[0] = {ParseFrequencyText("462.56250"), ParseFrequencyText("467.56250")};
        rows[15] = {ParseFrequencyText("145.00000"), std::nullopt};
        rows[6].receive = Frequency::FromPacked(0x1A23B4C5);  // digits a radio may hold
        QDialog* dialog = OpenFromMenu(run.window(), "mnutestfre", "Form4");
        auto* grid = Find<DialogGrid>(dialog, "mfgrid1");
        QCOMPARE(Row(grid, 0), QStringLiteral("频道|接收频率|发射频率"));
        QCOMPARE(Row(grid, 1), QStringLiteral("01|462.56250|467.56250"));
        QCOMPARE(Row(grid, 7), QStringLiteral("07|1A2.3B4C5|"));
        QVERIFY(EditCell(grid, 16, kTx, "145.3"));
        PressButton(dialog, "Command2");  // stores nothing; the next opening refills
        QVERIFY(!rows[15].transmit);
        OpenFromMenu(run.window(), "mnutestfre", "Form4");
        QCOMPARE(Row(grid, 16), QStringLiteral("16|145.00000|"));

        const std::tuple<int, int, const char*, const char*> edits[] = {
            {4, kRx, "145.00625", "04|145.00625|145.00625"},
            {4, kTx, "145.012", "04|145.00625|145.00625"},  // the receive frequency's raster
            {2, kRx, "145.005", "02|145.00500|145.00500"},
            {2, kTx, "145.012", "02|145.00500|145.01000"},
            {2, kTx, "", "02|145.00500|145.00500"},      // cleared: the receive frequency again
            {2, kTx, "1000", "02|145.00500|145.00500"},  // beyond what the image holds
            {2, kRx, "1440.1", "02|145.00500|145.00500"},
            {16, kTx, "145.3", "16|145.00000|145.30000"}};
        for (const auto& [row, column, typed, shown] : edits) {
            QVERIFY(EditCell(grid, row, column, typed));
            QCOMPARE(Row(grid, row), QString::fromUtf8(shown));
        }
        QVERIFY(!EditCell(grid, 5, kTx, "146.5"));  // no receive frequency
        QVERIFY(!EditCell(grid, 0, kRx, "1"));
        QCOMPARE(Row(grid, 5), QStringLiteral("05||"));

        MenuItem(run.window(), "mnuEnglish")->trigger();
        QCOMPARE(Row(grid, 0), QStringLiteral("Channel|RX Frequency|TX Frequency"));
        QCOMPARE(Row(grid, 2), QStringLiteral("02|145.00500|145.00500"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("测试频率"));
        QCOMPARE(Find<QPushButton>(dialog, "Command1")->text(), QStringLiteral("OK"));
        PressButton(dialog, "Command1");
        auto texts = [&](int row) {
            return FrequencyText(rows[row].receive) + "|" + FrequencyText(rows[row].transmit);
        };
        QCOMPARE(texts(15), std::string("145.00000|145.30000"));
        QCOMPARE(texts(1), std::string("145.00500|145.00500"));
        QCOMPARE(texts(0), std::string("462.56250|467.56250"));
        QVERIFY(rows[6].receive == Frequency::FromPacked(0x1A23B4C5));  // shown and kept as read
    }

    // A click on the cell just edited starts its next edit only after the double-click time;
    // keys typed meanwhile go into that cell, never into one the typing would search out.
    void typingAlwaysGoesIntoTheCellBeingEdited() {
        ShellRun run;
        run.startActive();
        QDialog* dialog = OpenFromMenu(run.window(), "mnutestfre", "Form4");
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* grid = Find<DialogGrid>(dialog, "mfgrid1");
        const auto click = [grid](int row) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row, kRx)).center());
        };
        // Each key goes where the dialog's focus is at that moment, as a keyboard's would.
        const auto type = [dialog](const QString& keys) {
            for (QChar key : keys) {
                QTest::keyClick(dialog->focusWidget(), key.toLatin1());
            }
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        };
        for (auto [row, typed] : {std::pair{1, "145.5"}, {6, "438.5"}}) {
            click(row);
            type(typed);
        }
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        click(6);
        type("146.5");
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QCOMPARE(Row(grid, 1), QStringLiteral("01|145.50000|145.50000"));
        QCOMPARE(Row(grid, 6), QStringLiteral("06|146.50000|146.50000"));
    }
};

QTEST_MAIN(DebugFrequencyTest)
#include "DebugFrequencyTest.moc"

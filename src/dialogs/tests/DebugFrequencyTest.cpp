// The debug-frequency dialog: raster rules of the receive and transmit cells, refusals,
// filling, storing and the language switch.
#include <QPushButton>

#include "DialogTestSupport.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

constexpr int kRx = 1;
constexpr int kTx = 2;

}  // namespace

class DebugFrequencyTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        run_ = std::make_unique<ShellRun>();
        run_->start();
        dialog_ = OpenFromMenu(run_->window(), "mnutestfre", "Form4");
        grid_ = Find<QTableWidget>(dialog_, "mfgrid1");
    }
    void cleanup() { run_.reset(); }

    // The raster arithmetic itself is the core's (DebugFrequencyRulesTest); these cases show
    // the grid applies it to both cells of a row.
    void receiveGoesToTheNearerRasterAndTheTransmitFollows_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("6.25 kHz nearer") << "145.009"
                                         << "145.00625";
        QTest::newRow("5 kHz nearer") << "145.0062"
                                      << "145.00500";
        QTest::newRow("on the raster") << "145.00625"
                                       << "145.00625";
        QTest::newRow("no number") << "abc"
                                   << "000.00000";
    }
    void receiveGoesToTheNearerRasterAndTheTransmitFollows() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QVERIFY(EditCell(grid_, 3, kRx, typed));
        QCOMPARE(GridText(grid_, 3, kRx), shown);
        QCOMPARE(GridText(grid_, 3, kTx), shown);
    }

    void transmitFollowsTheRasterOfItsReceiveFrequency() {
        QVERIFY(EditCell(grid_, 1, kRx, "145.00625"));
        QVERIFY(EditCell(grid_, 2, kRx, "145.005"));
        QVERIFY(EditCell(grid_, 1, kTx, "145.012"));
        QVERIFY(EditCell(grid_, 2, kTx, "145.012"));
        QCOMPARE(GridText(grid_, 1, kTx), QStringLiteral("145.00625"));
        QCOMPARE(GridText(grid_, 2, kTx), QStringLiteral("145.01000"));
        // Cleared, a transmit cell takes the receive frequency again.
        QVERIFY(ClearCell(grid_, 2, kTx));
        QCOMPARE(GridText(grid_, 2, kTx), QStringLiteral("145.00500"));
    }

    void clearingTheReceiveCellClearsAndLocksTheTransmitCell() {
        QVERIFY(EditCell(grid_, 5, kRx, "146.5"));
        QVERIFY(ClearCell(grid_, 5, kRx));
        QCOMPARE(GridText(grid_, 5, kRx), QString());
        QCOMPARE(GridText(grid_, 5, kTx), QString());
        QVERIFY(!EditCell(grid_, 5, kTx, "146.5"));
        QCOMPARE(GridText(grid_, 5, kTx), QString());
        QVERIFY(!EditCell(grid_, 5, 0, "1"));
        QVERIFY(!EditCell(grid_, 0, kRx, "1"));
    }

    void frequenciesTheImageCannotHoldAreRefused() {
        QVERIFY(EditCell(grid_, 7, kRx, "440.1"));
        QVERIFY(EditCell(grid_, 7, kRx, "1440.1"));
        QCOMPARE(GridText(grid_, 7, kRx), QStringLiteral("440.10000"));
        QVERIFY(EditCell(grid_, 7, kTx, "1000"));
        QCOMPARE(GridText(grid_, 7, kTx), QStringLiteral("440.10000"));
    }

    void opensWithTheStoredRowsAndStoresOnlyOnOk() {
        auto& rows = run_->state.settings.DebugFrequencies;
        rows[0] = {"462.56250", "467.56250"};
        rows[15] = {"145.00000", ""};
        dialog_ = OpenFromMenu(run_->window(), "mnutestfre", "Form4");
        QCOMPARE(GridText(grid_, 1, kRx), QStringLiteral("462.56250"));
        QCOMPARE(GridText(grid_, 1, kTx), QStringLiteral("467.56250"));
        QCOMPARE(GridText(grid_, 16, kRx), QStringLiteral("145.00000"));
        QCOMPARE(GridText(grid_, 16, 0), QStringLiteral("16"));
        QCOMPARE(GridText(grid_, 0, kRx), QStringLiteral("接收频率"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("测试频率"));

        QVERIFY(EditCell(grid_, 16, kTx, "145.3"));
        CloseBox(dialog_);
        QCOMPARE(rows[15][1], std::string());
        dialog_ = OpenFromMenu(run_->window(), "mnutestfre", "Form4");
        QCOMPARE(GridText(grid_, 16, kTx), QString());
        QVERIFY(EditCell(grid_, 16, kTx, "145.3"));
        PressButton(dialog_, "Command2");
        QCOMPARE(rows[15][1], std::string());

        dialog_ = OpenFromMenu(run_->window(), "mnutestfre", "Form4");
        QVERIFY(EditCell(grid_, 16, kTx, "145.3"));
        QVERIFY(EditCell(grid_, 2, kRx, "430.0125"));
        PressButton(dialog_, "Command1");
        QCOMPARE(rows[15], (std::array<std::string, 2>{"145.00000", "145.30000"}));
        QCOMPARE(rows[1], (std::array<std::string, 2>{"430.01250", "430.01250"}));
        QCOMPARE(rows[0][0], std::string("462.56250"));
    }

    void languageSwitchRewritesTheHeadersAndKeepsTheCells() {
        QVERIFY(EditCell(grid_, 4, kRx, "433.075"));
        run_->window().menuItem("mnuEnglish")->trigger();
        QCOMPARE(GridText(grid_, 0, 0), QStringLiteral("Channel"));
        QCOMPARE(GridText(grid_, 0, kRx), QStringLiteral("RX Frequency"));
        QCOMPARE(GridText(grid_, 0, kTx), QStringLiteral("TX Frequency"));
        QCOMPARE(GridText(grid_, 4, kRx), QStringLiteral("433.07500"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("测试频率"));
        QCOMPARE(Find<QPushButton>(dialog_, "Command1")->text(), QStringLiteral("OK"));
    }

private:
    std::unique_ptr<ShellRun> run_;
    QDialog* dialog_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

QTEST_MAIN(DebugFrequencyTest)
#include "DebugFrequencyTest.moc"

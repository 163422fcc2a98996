// The channel grid: its shape and look, and that it shows the core's table live.
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "ShellTestSupport.h"
#include "channels/ChoiceLists.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/GridGeometry.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void freshStartShowsSixteenNumberedEmptyRows() {
        ShellRun run;
        MainWindow& window = run.start();
        QAbstractItemModel* model = window.grid()->model();
        QCOMPARE(model->rowCount(), 17);
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(CellText(window, 0, 7), QStringLiteral("宽\\窄带"));
        for (int row = 1; row <= 16; ++row) {
            QCOMPARE(CellText(window, row, 0), QString::asprintf("%02d", row));
            for (int column = 1; column <= 8; ++column) {
                QCOMPARE(CellText(window, row, column), QString());
            }
        }
    }

    void fixedCellsCannotBeSelectedAndEvenRowsAreTinted() {
        ShellRun run;
        MainWindow& window = run.start();
        QAbstractItemModel* model = window.grid()->model();
        for (int row = 0; row < 17; ++row) {
            for (int column = 0; column < 9; ++column) {
                const QModelIndex cell = model->index(row, column);
                const bool fixed = row == 0 || column == 0;
                QCOMPARE(bool(cell.flags() & Qt::ItemIsSelectable), !fixed);
                QCOMPARE(cell.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
                const bool tinted = row > 0 && row % 2 == 0;
                QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>() == QColor(192, 192, 255),
                         tinted);
            }
        }
        window.grid()->setCurrentIndex(model->index(0, 3));
        QVERIFY(window.grid()->selectionModel()->selectedIndexes().isEmpty());
    }

    void sizesComeFromTwipsAndTheWholeTableShows() {
        ShellRun run;
        MainWindow& window = run.start();
        ChannelGrid* grid = window.grid();
        const int dpi = grid->logicalDpiX();
        QCOMPARE(grid->columnWidth(1), GridGeometry::TwipsToPixels(1330, dpi));
        QCOMPARE(grid->columnWidth(3), GridGeometry::TwipsToPixels(1330, dpi));
        // A choice column is at least its twips, wider when its editor's items need it.
        QVERIFY(grid->columnWidth(5) >= GridGeometry::TwipsToPixels(800, dpi));
        for (int row = 1; row <= 16; ++row) {
            QCOMPARE(grid->rowHeight(row), GridGeometry::TwipsToPixels(300, grid->logicalDpiY()));
        }
        // No caption is cut, in either language.
        for (int column = 0; column < 9; ++column) {
            const LocalText& caption = ChoiceLists::ColumnCaption(column);
            for (const char* text : {caption.zh, caption.en}) {
                QVERIFY2(grid->fontMetrics().horizontalAdvance(QString::fromUtf8(text)) <
                             grid->columnWidth(column),
                         text);
            }
        }
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QVERIFY(grid->viewport()->height() >= grid->rowViewportPosition(16) + grid->rowHeight(16));
    }

    void coreChangesReachTheGridWithoutACopy() {
        ShellRun run;
        MainWindow& window = run.start();
        QSignalSpy changed(window.gridModel(), &QAbstractItemModel::dataChanged);
        run.state.table.setCell(9, ChannelTable::kRxFrequency, "439.12500");
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 9);
        QCOMPARE(changed[0][1].toModelIndex().row(), 9);
        QCOMPARE(CellText(window, 9, 1), QStringLiteral("439.12500"));

        run.state.table.ClearGrid();
        QCOMPARE(CellText(window, 9, 1), QString());
        QVERIFY(changed.size() > 1);
    }

    void theStateOutlivesTheWindow() {
        RadioState state;
        {
            ShellRun run;
            MainWindow window(state, {run.folder()});
            window.Startup();
        }
        // The grid is gone; the table must no longer call into it.
        state.table.setCell(1, ChannelTable::kRxFrequency, "145.00000");
        QCOMPARE(state.table.cell(1, ChannelTable::kRxFrequency), std::string("145.00000"));
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"

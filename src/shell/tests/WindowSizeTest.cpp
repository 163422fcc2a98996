// The first window shows the whole channel table without scrolling at any scale that leaves
// the screen room for it, and a larger window gives its extra room to the table. CTest runs
// this at 100 %, at QT_SCALE_FACTOR=1.5 and at QT_FONT_DPI=144 on a 1600 x 1000 screen.
#include <QScreen>
#include <QScrollBar>

#include "ShellTestSupport.h"
#include "shell/FunctionPanel.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

int ColumnsWidth(ChannelGrid* grid) {
    int width = 0;
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        width += grid->columnWidth(column);
    }
    return width;
}

int RowsHeight(ChannelGrid* grid) {
    int height = 0;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        height += grid->rowHeight(row);
    }
    return height;
}

// Every cell shows: no scrolling, and the cells reach no further than the grid's viewport.
void ExpectWholeTable(ChannelGrid* grid) {
    // The view sets its scroll ranges once the resize has been handled.
    QTRY_COMPARE(grid->horizontalScrollBar()->maximum(), 0);
    QTRY_COMPARE(grid->verticalScrollBar()->maximum(), 0);
    QVERIFY(ColumnsWidth(grid) <= grid->viewport()->width());
    QVERIFY(RowsHeight(grid) <= grid->viewport()->height());
}

}  // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstWindowShowsTheWholeTable() {
        ShellRun run;
        MainWindow& window = run.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ExpectWholeTable(window.grid());
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));

        // At 150 % a window system may round the window a pixel below the size it asked for.
        window.setMinimumSize(0, 0);
        window.resize(window.size() - QSize(2, 2));
        QTRY_COMPARE(window.grid()->viewport()->width(), ColumnsWidth(window.grid()));
        ExpectWholeTable(window.grid());
    }

    void aMaximisedWindowGivesItsRoomToTheTable() {
        ShellRun run;
        MainWindow& window = run.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before = window.size();
        const QSize grid = window.grid()->size();
        const int bandList = window.bandList()->width();
        const int squelch = window.functionPanel()->list(PanelList::Squelch)->width();
        window.showMaximized();
        QTRY_VERIFY(window.width() > before.width() + 100 &&
                    window.height() > before.height() + 100);
        QTRY_COMPARE(window.grid()->width() - grid.width(), window.width() - before.width());
        QCOMPARE(window.grid()->height() - grid.height(), window.height() - before.height());
        QCOMPARE(window.bandList()->width(), bandList);
        QCOMPARE(window.functionPanel()->list(PanelList::Squelch)->width(), squelch);
        // The columns and rows fill the grid; none is left as a blank strip.
        ExpectWholeTable(window.grid());
        QVERIFY(ColumnsWidth(window.grid()) > window.grid()->viewport()->width() - 9);
        QVERIFY(RowsHeight(window.grid()) > window.grid()->viewport()->height() - 17);
    }
};

QTEST_MAIN(WindowSizeTest)
#include "WindowSizeTest.moc"

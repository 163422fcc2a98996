#include "EditorTestSupport.h"

#include <QApplication>
#include <QTest>

#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"

namespace kvd::gui::test {

MainWindow& StartActive(ShellRun& run) {
    MainWindow& window = run.start();
    window.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&window)); }();
    return window;
}

CellEditors& EditorsOf(MainWindow& window) {
    return *window.findChild<CellEditors*>();
}

QLineEdit* FrequencyEditor(MainWindow& window) {
    return window.findChild<QLineEdit*>(QStringLiteral("Text1"));
}

QComboBox* ToneEditor(MainWindow& window) {
    return window.findChild<QComboBox*>(QStringLiteral("Combo8"));
}

QComboBox* ChoiceEditor(MainWindow& window, int column) {
    return window.findChild<QComboBox*>(QStringLiteral("Combo5_%1").arg(column));
}

void ClickCell(MainWindow& window, int row, int column) {
    ChannelGrid* grid = window.grid();
    const QRect cell = grid->visualRect(window.gridModel()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void Type(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

void TypeIntoCell(MainWindow& window, int row, int column, const QString& text) {
    ClickCell(window, row, column);
    Type(text);
    Press(Qt::Key_Return);
}

}  // namespace kvd::gui::test

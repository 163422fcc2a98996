#include "DialogTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace kvd::gui::test {

QDialog* DialogOf(MainWindow& window, const char* name) {
    return Find<QDialog>(&window, name);
}

QDialog* OpenFromMenu(MainWindow& window, const char* menuItem, const char* dialogName) {
    window.menuItem(menuItem)->trigger();
    return DialogOf(window, dialogName);
}

void PressButton(QDialog* dialog, const char* name) {
    QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
}

void CloseBox(QDialog* dialog) {
    dialog->close();
}

namespace {

QLineEdit* OpenEditor(QTableWidget* grid, int row, int column) {
    // An editor that just closed is still a child until deleted.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    grid->setFocus();
    grid->setCurrentCell(row, column);
    return grid->viewport()->findChild<QLineEdit*>(QStringLiteral("cellEditor"));
}

}  // namespace

bool EditCell(QTableWidget* grid, int row, int column, const QString& keys) {
    // Start from another cell so that choosing this one is a change.
    grid->setCurrentItem(nullptr);
    QLineEdit* editor = OpenEditor(grid, row, column);
    if (!editor) {
        return false;
    }
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    TypeKeys(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits an edit ended by Enter from its event queue.
    QApplication::processEvents();
    return true;
}

bool ClearCell(QTableWidget* grid, int row, int column) {
    return EditCell(grid, row, column, QString());
}

void TypeKeys(QWidget* widget, const QString& keys) {
    for (QChar c : keys) {
        // The key a keyboard would report; characters beyond ASCII come as text alone.
        const int key = c.unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void TypeInto(QLineEdit* field, const QString& keys) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    TypeKeys(field, keys);
}

QString GridText(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* cell = grid->item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace kvd::gui::test

#include "DialogTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace kvd::gui::test {

const char* const kOptionalLists[] = {"Combo4",  "Combo6",  "Combo7",  "Combo8",  "Combo9",
                                      "Combo10", "Combo11", "Combo12", "Combo13", "Combo14",
                                      "Combo15", "Combo0",  "Combo16", "Combo18", "Combo17",
                                      "Combo19", "Combo20", "Combo22", "Combo21"};

QDialog* OpenFromMenu(MainWindow& window, const char* menuItem, const char* dialogName) {
    MenuItem(window, menuItem)->trigger();
    return Find<QDialog>(&window, dialogName);
}

void PressButton(QDialog* dialog, const char* name) {
    QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
}

bool EditCell(DialogGrid* grid, int row, int column, const QString& keys) {
    // An editor that just closed is still a child until deleted; start from no cell so that
    // choosing this one is a change.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    grid->setCurrentItem(nullptr);
    grid->setFocus();
    grid->setCurrentCell(row, column);
    auto* editor = grid->viewport()->findChild<QLineEdit*>(QStringLiteral("cellEditor"));
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

QString ListPositions(QDialog* optional) {
    QStringList positions;
    for (const char* name : kOptionalLists) {
        positions << QString::number(Find<QComboBox>(optional, name)->currentIndex());
    }
    return positions.join(u' ');
}

void ChoosePositions(QDialog* optional, const QString& positions) {
    const QStringList chosen = positions.split(u' ');
    for (int i = 0; i < chosen.size(); ++i) {
        Find<QComboBox>(optional, kOptionalLists[i])->setCurrentIndex(chosen[i].toInt());
    }
}

}  // namespace kvd::gui::test

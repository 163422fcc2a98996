// What a screen reader and a keyboard user meet: names in the interface language, access
// keys, and Tab in the order the eye reads.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QToolBar>

#include "ShellTestSupport.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// The names a screen reader says for the toolbar's visible buttons, left to right.
QStringList ToolBarNames(MainWindow& window) {
    QAccessibleInterface* bar =
        QAccessible::queryAccessibleInterface(window.findChild<QToolBar*>("Toolbar1"));
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface* child = bar->child(i);
        if (child->role() == QAccessible::Button && !child->state().invisible) {
            names << child->text(QAccessible::Name);
        }
    }
    return names;
}

// The controls under `root` that take the keyboard focus but have neither a name of their
// own nor a caption that labels them.
QStringList Unnamed(QWidget* root) {
    QStringList unnamed;
    for (QWidget* control : root->findChildren<QWidget*>()) {
        // A combo box's own line edit is part of it.
        if (!(control->focusPolicy() & Qt::TabFocus) || control->isWindow() ||
            control->window() != root || !control->isVisibleTo(root) ||
            qobject_cast<QComboBox*>(control->parentWidget())) {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        const bool labelled = !face->relations(QAccessible::Labelled).isEmpty();
        if (!labelled && control->accessibleName().isEmpty() &&
            face->text(QAccessible::Name).isEmpty()) {
            unnamed << control->objectName() + QLatin1Char(':') +
                           control->metaObject()->className();
        }
    }
    return unnamed;
}

// The objectNames Tab visits from the first control on, once round.
QStringList TabOrder(QWidget* first) {
    QStringList order;
    for (QWidget* w = first; !order.contains(w->objectName()); w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(first->window())) {
            order << w->objectName();
        }
    }
    return order;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void theToolbarsButtonsAreNamedInTheInterfaceLanguage() {
        ShellRun run;
        MainWindow& window = run.start();
        QCOMPARE(ToolBarNames(window), QStringList({"新建", "打开", "保存", "读频", "写频"}));
        MenuItem(window, "mnuEnglish")->trigger();
        QCOMPARE(ToolBarNames(window),
                 QStringList({"New", "Open", "Save", "Read frequency", "Write frequency"}));
        // The hidden button says what it does once it shows, though it has no tooltip.
        ToolButton(window, "TAnMa")->setVisible(true);
        QTRY_COMPARE(ToolBarNames(window).last(), QStringLiteral("Withdraw debug access"));
        QVERIFY(ToolButton(window, "TAnMa")->toolTip().isEmpty() ||
                ToolButton(window, "TAnMa")->toolTip() == ToolButton(window, "TAnMa")->text());
    }

    // Every control a keyboard reaches has a name: its own or its caption's.
    void everyControlIsNamed() {
        ShellRun run;
        MainWindow& window = run.start();
        for (int language : {0, 1}) {
            QVERIFY2(Unnamed(&window).isEmpty(), qPrintable(Unnamed(&window).join(u' ')));
            for (QDialog* dialog : OpenEveryDialog(window)) {
                QVERIFY2(Unnamed(dialog).isEmpty(), qPrintable(Unnamed(dialog).join(u' ')));
            }
            if (language == 0) {
                MenuItem(window, "mnuEnglish")->trigger();
            }
        }
        QCOMPARE(window.grid()->accessibleName(), QStringLiteral("Channel table"));
    }

    void menusOfTheProgramsOwnHaveAccessKeys() {
        ShellRun run;
        MainWindow& window = run.start();
        QCOMPARE(MenuItem(window, "mnuImportCsv")->text(), QStringLiteral("导入 CSV(&I)..."));
        QCOMPARE(MenuItem(window, "mnuExportCsv")->text(), QStringLiteral("导出 CSV(&E)..."));
        MenuItem(window, "mnuEnglish")->trigger();
        QCOMPARE(MenuItem(window, "mnuImportCsv")->text(), QStringLiteral("Import CSV(&I)..."));
        QCOMPARE(MenuItem(window, "mnuExportCsv")->text(), QStringLiteral("Export CSV(&E)..."));
    }

    // Tab goes down the optional-function dialog's columns, left to right, then to its
    // buttons.
    void theOptionalFunctionDialogTabsInTheOrderItStands() {
        ShellRun run;
        MainWindow& window = run.start();
        MenuItem(window, "mnudtmf")->trigger();
        auto* dialog = window.findChild<QDialog*>("Form5");
        const QStringList expected = {
            "Combo6",  "Combo7",  "Combo8",  "Combo9",   "Check3",  "Check4",  "Combo4",  "Combo10",
            "Text1",   "Text3",   "Text4",   "Combo11",  "Combo12", "Combo13", "Combo14", "Combo15",
            "Text5",   "Text6",   "Combo0",  "Combo16",  "Combo18", "Combo17", "Combo19", "Combo20",
            "Combo22", "Combo21", "mfgrid1", "Command1", "Command2"};
        QStringList order = TabOrder(dialog->findChild<QWidget*>("Combo6"));
        order.removeAll(QString());  // the grid's inner parts
        QCOMPARE(order.join(u' '), expected.join(u' '));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"

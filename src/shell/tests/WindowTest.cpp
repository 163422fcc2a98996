// The main window's menus, toolbar, maker line, channel grid and band list.
#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "ShellTestSupport.h"
#include "channels/ChoiceLists.h"
#include "shell/FunctionPanel.h"
#include "widgets/GridGeometry.h"
#include "widgets/InterfaceLanguage.h"

using namespace kvd;
using namespace kvd::gui;
using namespace kvd::gui::test;

namespace {

// The window with band 136-174MHz taken from a file.
MainWindow& StartInBand136(ShellRun& run) {
    MainWindow& window = run.start();
    run.state.band.TakeBand(kBand136);
    window.RefreshFromState();
    return window;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void menusToolbarAndMakerLine() {
        ShellRun run;
        MainWindow& window = run.start();
        QCOMPARE(MenuItem(window, "mnureadFre")->shortcut(), QKeySequence("Ctrl+R"));
        QCOMPARE(MenuItem(window, "mnuwriteFre")->shortcut(), QKeySequence("Ctrl+W"));
        // Two items on one key: Qt runs neither and says only "Ambiguous shortcut".
        QSet<QString> keys;
        for (QAction* action : window.findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!keys.contains(key.toString()), qPrintable(key.toString()));
                keys.insert(key.toString());
            }
        }
        QVERIFY(keys.contains("Ctrl+S"));
        QVERIFY(!MenuItem(window, "mnumainhelp")->isEnabled());

        for (QAction* action : window.findChild<QToolBar*>("Toolbar1")->actions()) {
            // A picture, drawn at high dpi too, not an empty square.
            QVERIFY(action->isSeparator() || Opacity(action->icon().pixmap(48, 48).toImage()) > 32);
        }
        QVERIFY(!window.findChild<QToolButton*>("Toolbar1_TAnMa")->isVisible());
        // The commands behind the buttons ask; every question is cancelled here.
        MessageBoxResponder cancel(Style::kIdCancel);
        FileDialogResponder noFiles(QStringList{});
        for (auto [key, item] : {std::pair{"new", "mnuNew"},
                                 {"open", "mnuOpen"},
                                 {"save", "mnuAssave"},
                                 {"read", "mnureadFre"},
                                 {"write", "mnuwriteFre"}}) {
            QSignalSpy triggered(MenuItem(window, item), &QAction::triggered);
            QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("Toolbar1_") + key),
                              Qt::LeftButton);
            QCOMPARE(triggered.size(), 1);
        }
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QTest::mouseClick(window.findChild<QLabel*>("Label2"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 1);  // the maker's page
    }

    void gridShapeLookAndSize() {
        ShellRun run;
        MainWindow& window = run.start();
        QAbstractItemModel* model = window.grid()->model();
        QCOMPARE(QSize(model->columnCount(), model->rowCount()), QSize(9, 17));
        QCOMPARE(CellText(window, 0, 7), QStringLiteral("宽\\窄带"));
        QCOMPARE(CellText(window, 9, 0), QStringLiteral("09"));
        // Only the channel cells are selectable; everything is centred; even rows are tinted.
        const auto look = [&](int row, int column) {
            const QModelIndex cell = model->index(row, column);
            return QList<bool>{
                bool(cell.flags() & Qt::ItemIsSelectable),
                cell.data(Qt::TextAlignmentRole).toInt() == Qt::AlignCenter,
                cell.data(Qt::BackgroundRole).value<QColor>() == QColor(192, 192, 255)};
        };
        QCOMPARE(look(0, 2), QList<bool>({false, true, false}));
        QCOMPARE(look(16, 0), QList<bool>({false, true, true}));
        QCOMPARE(look(16, 8), QList<bool>({true, true, true}));
        QCOMPARE(look(15, 1), QList<bool>({true, true, false}));
        // Sizes from twips, and the whole table shows.
        ChannelGrid* grid = window.grid();
        const int dpi = grid->logicalDpiX();
        QCOMPARE(grid->columnWidth(1), GridGeometry::TwipsToPixels(1330, dpi));
        // A choice column is at least its twips, wider when its editor's items need it.
        QVERIFY(grid->columnWidth(5) >= GridGeometry::TwipsToPixels(800, dpi));
        QCOMPARE(grid->rowHeight(16), GridGeometry::TwipsToPixels(300, grid->logicalDpiY()));
        for (int column = 0; column < 9; ++column) {  // no caption cut, in either language
            for (LanguageId language : {kChinese, kEnglish}) {
                const QString text = Tr(ChoiceLists::ColumnCaption(column), language);
                QVERIFY2(grid->fontMetrics().horizontalAdvance(text) < grid->columnWidth(column),
                         qPrintable(text));
            }
        }
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    }

    // The grid keeps no copy of the channels: every command that changes them has it show
    // the rows again.
    void commandsThatChangeChannelsHaveTheGridShowThem() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        QSignalSpy shown(window.gridModel(), &QAbstractItemModel::dataChanged);
        auto showsRow = [&](int row) {
            const bool any =
                std::any_of(shown.begin(), shown.end(), [row](const QList<QVariant>& s) {
                    return s[0].toModelIndex().row() <= row && row <= s[1].toModelIndex().row();
                });
            shown.clear();
            return any;
        };
        FillChannel(run.state, 9, "145.12500", 0, 0);
        window.RefreshFromState();
        QVERIFY(showsRow(9));
        QCOMPARE(CellText(window, 9, 1), QStringLiteral("145.12500"));

        // The channel was never saved: discarded; then the band change is answered OK.
        MessageBoxResponder discard([](const MessageBoxRecord& box) {
            return box.buttons.contains(Style::kIdDiscard) ? Style::kIdDiscard : Style::kIdOk;
        });
        MenuItem(window, "mnuNew")->trigger();
        QVERIFY(showsRow(9));
        QVERIFY(!run.state.channels.has(9));

        FillChannel(run.state, 9, "145.12500", 0, 0);
        window.bandList()->showPopup();  // opened by the user, so a change asks and clears
        window.bandList()->hidePopup();
        window.bandList()->setCurrentIndex(2);
        QVERIFY(showsRow(9));
        QVERIFY(!run.state.channels.has(9));

        MenuItem(window, "mnuEnglish")->trigger();
        QVERIFY(showsRow(16));
    }

    void bandChangedFromTheOpenedListAsksFirst() {
        for (int answer : {Style::kIdCancel, Style::kIdOk}) {
            ShellRun run;
            run.writePreferences(QByteArray(2, '\0') + char(answer == Style::kIdOk));
            MainWindow& window = StartInBand136(run);
            MessageBoxResponder answered(answer);
            // What a user does: open the list, move to an item, press Enter.
            window.bandList()->showPopup();
            QAbstractItemView* view = window.bandList()->view();
            QTRY_VERIFY(view->isVisible());
            view->setCurrentIndex(view->model()->index(2, 0));  // 400-430MHz
            QTest::keyClick(view, Qt::Key_Return);

            QCOMPARE(answered.shown().size(), 1);
            const MessageBoxRecord& asked = answered.shown().front();
            const bool changed = answer == Style::kIdOk;  // and asked in English
            QCOMPARE(asked.prompt, changed ? "Change frequency channel list will remove, sure?"
                                           : "改变频段将清除频道列表，确定吗？");
            QCOMPARE(asked.title, changed ? "Attention!" : "注意！");
            QCOMPARE(asked.style, Style::kOkCancel | Style::kQuestion | Style::kDefaultSecond |
                                      Style::kSystemModal);
            QCOMPARE(window.bandList()->currentIndex(), changed ? 2 : kBand136);
        }
    }

    // Scrolling the page past a list must not change it: only a list with the keyboard focus
    // takes the wheel. Every list and slider of the window and of its dialogs.
    void aListWithoutTheFocusIgnoresTheWheel() {
        ShellRun run;
        MainWindow& window = run.startActive();
        // Programmed channels let the priority lists of the optional functions take any item.
        for (int row = 1; row <= 16; ++row) {
            FillChannel(run.state, row, "445.00000", 0, 0);
        }
        MessageBoxResponder answer(Style::kIdOk);
        const auto turn = [](QWidget* control, int steps) {
            const QPointF inside(control->width() / 2.0, control->height() / 2.0);
            QWheelEvent wheel(inside, control->mapToGlobal(inside), {}, QPoint(0, -120 * steps),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(control, &wheel);
        };
        QList<QWidget*> windows{&window};
        for (QWidget* top : OpenEveryDialog(window)) {
            windows << top;
        }
        int controls = 0;
        for (QWidget* top : windows) {
            for (QComboBox* list : top->findChildren<QComboBox*>()) {
                if (list->count() < 2) {
                    continue;
                }
                list->setCurrentIndex(1);
                turn(list, 1);
                turn(list, -1);
                QVERIFY2(list->currentIndex() == 1, qPrintable(list->objectName()));
                ++controls;
            }
            for (QSlider* slider : top->findChildren<QSlider*>()) {
                slider->setEnabled(true);
                slider->setValue(100);
                turn(slider, 1);
                QVERIFY2(slider->value() == 100, qPrintable(slider->objectName()));
                ++controls;
            }
        }
        QVERIFY(controls > 30);
        QCOMPARE(window.bandList()->currentIndex(), 1);

        // A list the user has clicked into takes the wheel.
        window.bandList()->setCurrentIndex(kBand136);
        window.bandList()->setFocus(Qt::MouseFocusReason);
        turn(window.bandList(), 1);
        QCOMPARE(window.bandList()->currentIndex(), kBand136 + 1);
        QVERIFY(answer.shown().isEmpty());
    }

    void arrowKeysAndRefreshChangeTheBandSilently() {
        ShellRun run;
        MainWindow& window = StartInBand136(run);
        MessageBoxResponder answer(Style::kIdCancel);
        QTest::keyClick(window.bandList(), Qt::Key_Down);
        QCOMPARE(window.bandList()->currentIndex(), kBand136 + 1);

        run.state.band.TakeBand(4);
        run.state.settings.squelchLevel = 7;
        run.state.settings.beep = 99;  // beyond the list
        window.RefreshFromState();
        QCOMPARE(answer.shown().size(), 0);
        QCOMPARE(window.bandList()->currentIndex(), 4);
        QCOMPARE(window.functionPanel()->list(PanelList::Squelch)->currentIndex(), 7);
        // No selection rather than a wrong one; showing it writes nothing back.
        QCOMPARE(window.functionPanel()->list(PanelList::Beep)->currentIndex(), -1);
        QCOMPARE(run.state.settings.beep, 99);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"

#include "ShellTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QFile>

#include "app/ProgramParts.h"
#include "channels/ChannelCells.h"
#include "channels/ToneList.h"
#include "shell/Preferences.h"

namespace kvd::gui::test {

ShellRun::ShellRun()
    : fallback_([](const MessageBoxRecord& box) {
          qWarning("message box no test answered: %s", qPrintable(box.prompt));
          return box.defaultButton;
      }),
      dialogFallback_([](const FileDialogRecord&) {
          qWarning("file dialog no test answered");
          return QString();
      }) {
    QVERIFY(dir_.isValid());
}

void ShellRun::writePreferences(const QByteArray& bytes) {
    QFile file(Preferences::PathIn(folder()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ShellRun::preferences() const {
    QFile file(Preferences::PathIn(folder()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

MainWindow& ShellRun::build() {
    window_ = std::make_unique<MainWindow>(state, MainWindow::Options{folder()});
    AttachProgramParts(*window_);
    return *window_;
}

MainWindow& ShellRun::start() {
    if (!window_) {
        build();
    }
    window_->Startup();
    window_->show();
    return *window_;
}

MainWindow& ShellRun::startActive() {
    start().activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(window_.get())); }();
    return *window_;
}

MainWindow& ShellRun::restart() {
    window_->close();
    window_.reset();
    state = RadioState{};
    build();
    return start();
}

void FillChannel(RadioState& state, int row, const char* frequency, int rxTonePosition,
                 int choicePosition) {
    Channel c;
    c.rx = *ParseFrequencyText(frequency);
    c.tx = c.rx;
    c.rxTone = ToneList::At(rxTonePosition);
    for (int column = ChannelCells::kPower; column <= ChannelCells::kScanAdd; ++column) {
        ChannelCells::SetChoice(c, column, choicePosition);
    }
    state.channels[row] = c;
}

QString CellText(MainWindow& window, int row, int column) {
    return window.gridModel()->index(row, column).data().toString();
}

QAction* MenuItem(MainWindow& window, const char* objectName) {
    auto* item = window.findChild<QAction*>(QString::fromLatin1(objectName));
    if (!item) {
        qWarning("no menu item %s", objectName);
    }
    return item;
}

QAction* ToolButton(MainWindow& window, const char* key) {
    return MenuItem(window, qPrintable(QStringLiteral("Toolbar1_") + QString::fromLatin1(key)));
}

int Opacity(const QImage& picture) {
    return qAlpha(
        picture.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
}

QList<QDialog*> OpenEveryDialog(MainWindow& window) {
    QList<QDialog*> dialogs;
    for (const char* item :
         {"mnudebug", "mnutestfre", "mnudtmf", "Key_enactment", "mnusetin", "mnuabout"}) {
        MenuItem(window, item)->trigger();
        for (QDialog* dialog : window.findChildren<QDialog*>()) {
            if (dialog->isVisible()) {
                dialog->hide();
                dialogs.append(dialog);
            }
        }
    }
    return dialogs;
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

}  // namespace kvd::gui::test

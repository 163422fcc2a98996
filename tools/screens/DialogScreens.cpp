// Runs the program with one dialog open beside the main window, for screenshots:
//   dialog_screens <language 0|1> <menu item> [control to focus]
//   dialog_screens <language 0|1> cell <row,column> <channel file>
// The second form opens the file and presses Enter on that cell of the table, so its editor
// lies over the cell (with its list open for tones and choices).
// Prints the shown window's native id; the program runs as usual until its main window is
// closed.
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Application.h"
#include "image/ChannelFile.h"
#include "shell/ChannelGrid.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"

namespace {

// The dialog a menu item opens is the window that became visible.
QDialog* ShownDialog(kvd::gui::MainWindow& window) {
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        if (dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

void PrintWindowId(QWidget* window) {
    std::printf("0x%llx\n", static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
}

void OpenCellEditor(kvd::gui::MainWindow& window, const QString& cell, const QString& file) {
    kvd::ChannelFile::Open(file.toStdString(), window.state());
    window.RefreshFromState();
    const QStringList place = cell.split(u',');
    auto* grid = window.grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(place.value(0).toInt(), place.value(1).toInt()));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(grid, &enter);
    QTimer::singleShot(300, &window, [&window] { PrintWindowId(&window); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    QTemporaryDir folder;
    kvd::gui::Preferences preferences;
    preferences.language = static_cast<std::uint8_t>(QByteArray(argv[1]).toInt());
    preferences.Save(folder.path());
    const QString menuItem = QString::fromLocal8Bit(argv[2]);
    const QString focus = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    kvd::gui::RunOptions hooks;
    hooks.configFolder = folder.path();
    const QString file = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    hooks.afterShow = [menuItem, focus, file](kvd::gui::MainWindow& window) {
        window.move(0, 0);
        QTimer::singleShot(300, &window, [&window, menuItem, focus, file] {
            if (menuItem == u"cell") {
                OpenCellEditor(window, focus, file);
                return;
            }
            // The item named on the command line, by the old program's control name.
            if (auto* item = window.findChild<QAction*>(menuItem)) {
                item->trigger();
            }
            QDialog* dialog = ShownDialog(window);
            if (!dialog) {
                return;
            }
            // Beside the main window when the screen has room, else over its right part.
            const int room = dialog->screen()->availableGeometry().width() - dialog->width();
            dialog->move(std::min(window.frameGeometry().right() + 12, room), 40);
            if (QWidget* control = dialog->findChild<QWidget*>(focus);
                control && !focus.isEmpty()) {
                control->setFocus();
            }
            PrintWindowId(dialog);
        });
    };
    return kvd::gui::RunProgram(argc, argv, hooks);
}

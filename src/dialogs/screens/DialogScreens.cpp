// Runs the program with one dialog open beside the main window, for screenshots:
//   dialog_screens <language 0|1> <menu item> [control to focus]
// Prints the dialog's native window id once it is shown; the program runs as usual until
// its main window is closed.
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "shell/Application.h"
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

    kvd::gui::ProgramHooks hooks;
    hooks.configFolder = folder.path();
    hooks.afterShow = [menuItem, focus](kvd::gui::MainWindow& window) {
        window.move(0, 0);
        QTimer::singleShot(300, &window, [&window, menuItem, focus] {
            window.menuItem(menuItem.toLatin1().constData())->trigger();
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
            std::printf("0x%llx\n", static_cast<unsigned long long>(dialog->winId()));
            std::fflush(stdout);
        });
    };
    return kvd::gui::RunProgram(argc, argv, hooks);
}

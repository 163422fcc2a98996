#include "app/Application.h"

#include <QApplication>

#include "app/ProgramParts.h"
#include "image/RadioState.h"
#include "shell/MainWindow.h"

namespace kvd::gui {

int RunProgram(int argc, char** argv, const RunOptions& options) {
    QApplication::setApplicationName(QStringLiteral("kvd270"));
    QApplication app(argc, argv);

    RadioState state;
    MainWindow window(state, {options.configFolder});
    AttachProgramParts(window);
    window.Startup();
    window.show();
    if (options.afterShow) {
        options.afterShow(window);
    }
    return QApplication::exec();
}

}  // namespace kvd::gui

#include "app/Application.h"

#include <QApplication>
#include <QFileInfo>

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
    StartWindow(window, QApplication::arguments());
    if (options.afterShow) {
        options.afterShow(window);
    }
    return QApplication::exec();
}

void StartWindow(MainWindow& window, const QStringList& arguments) {
    window.Startup();
    window.show();
    // After the preferences, so that a message speaks the stored language.
    const QString file = FileArgument(arguments);
    if (!file.isEmpty()) {
        window.requestOpen(file);
    }
}

QString FileArgument(const QStringList& arguments) {
    bool options = true;
    for (const QString& argument : arguments.mid(1)) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (!options || !argument.startsWith(QLatin1Char('-'))) {
            return QFileInfo(argument).absoluteFilePath();
        }
    }
    return {};
}

}  // namespace kvd::gui

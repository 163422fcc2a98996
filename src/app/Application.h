#pragma once

#include <functional>

#include <QString>
#include <QStringList>

namespace kvd::gui {

class MainWindow;

// What a caller may add to a run of the program; the program itself passes none.
struct RunOptions {
    QString configFolder;                        // empty: the usual folder
    std::function<void(MainWindow&)> afterShow;  // once the window is shown
};

// The whole program: one RadioState, the main window, start-up, show, the event loop.
int RunProgram(int argc, char** argv, const RunOptions& options = {});

// Start-up with the program's arguments (Qt's own taken out): the preferences, the window
// shown, then the channel file named on the command line (`kvd270 FILE.DAT`) opened as Open
// opens it.
void StartWindow(MainWindow& window, const QStringList& arguments);

// The file the arguments name, as an absolute path; empty for none. Arguments that begin
// with "-" are options until a "--".
QString FileArgument(const QStringList& arguments);

}  // namespace kvd::gui

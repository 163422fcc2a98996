#pragma once

#include <functional>

#include <QString>

namespace kvd::gui {

class MainWindow;

// What a caller may add to a run of the program; the program itself passes none.
struct RunOptions {
    QString configFolder;                        // empty: the usual folder
    std::function<void(MainWindow&)> afterShow;  // once the window is shown
};

// The whole program: one RadioState, the main window, start-up, show, the event loop.
int RunProgram(int argc, char** argv, const RunOptions& options = {});

}  // namespace kvd::gui

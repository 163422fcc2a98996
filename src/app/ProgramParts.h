#pragma once

namespace kvd::gui {

class MainWindow;

// Attaches every part of the program that plugs into the main window (cell editors, file
// commands, the serial link, the dialogs), before start-up. The parts are children of the
// window and live as long as it does. The program and the tests call this one function, so
// tests run the window the user gets.
void AttachProgramParts(MainWindow& window);

}  // namespace kvd::gui

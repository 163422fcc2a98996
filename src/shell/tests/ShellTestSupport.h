#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "image/RadioState.h"
#include "shell/LocalizedMessageBox.h"
#include "shell/MainWindow.h"

namespace kvd::gui::test {

// One run of the program in a folder of its own: preferences written before start-up,
// read back after the window closed.
class ShellRun {
public:
    ShellRun();

    // Writes the preferences file before start-up; without it the run is a first run.
    void writePreferences(const QByteArray& bytes);
    QByteArray preferences() const;
    bool hasPreferences() const;

    // Builds the window with the folder, runs start-up and shows it.
    MainWindow& start();
    // The window before start-up, with every program part attached, for tests that need
    // to set something up before start-up runs.
    MainWindow& build();

    MainWindow& window() { return *window_; }
    // Boxes that no test responder answered: each was answered with its default button
    // (a box left to a person would hang the test run).
    const QList<MessageBoxRecord>& unansweredBoxes() const { return fallback_.shown(); }
    RadioState state;
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    MessageBoxResponder fallback_;
    std::unique_ptr<MainWindow> window_;
};

// Fills channel rows as the editors and the decoder leave them: frequency, off tone or a
// CTCSS tone, and each choice cell with its list position, in the state's language.
void FillChannel(RadioState& state, int row, const char* frequency, int rxTonePosition,
                 int choicePosition);

// The text a grid cell shows.
QString CellText(MainWindow& window, int row, int column);

}  // namespace kvd::gui::test

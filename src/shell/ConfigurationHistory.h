#pragma once

#include <QObject>

#include "image/RadioState.h"
#include "texts/UserText.h"

class QAction;
class QUndoStack;

namespace kvd::gui {

class MainWindow;

// Undo and redo of the window's configuration. Every change that passes the window's
// configurationChanged() becomes one step holding the configuration before and after it as
// values; undo and redo put those values back and let configurationChanged() judge again
// whether the window is modified. The program's flags (language, port) are no part of it.
// While the edit lock holds, a step that would change the table, the band or the panel is
// not offered.
class ConfigurationHistory : public QObject {
    Q_OBJECT
public:
    ConfigurationHistory(MainWindow& window, QAction* undo, QAction* redo);

    // The configuration went from `before` to the window's state, as `what`; nothing when
    // the two are equal or while a step is being put back.
    void record(const RadioState& before, const UserText& what);
    // Nothing to undo or redo any more.
    void forget();

    void undo();
    void redo();
    int count() const;
    // The values of a step put back into the window's state; when the step put another
    // document in the table, the table becomes untitled.
    void restore(const RadioState& values, bool documentReplaced);
    // The items name the step they take back or bring again, in the interface language.
    void showActions();

private:
    bool allowed(int step) const;

    MainWindow& window_;
    QUndoStack* stack_;
    QAction* undo_;
    QAction* redo_;
    bool restoring_ = false;
};

// What a change is called after "Undo": the one cell edited, the panel list chosen, or the
// kind of values that changed.
UserText ChangeName(const RadioState& before, const RadioState& after);
// "edit of channel 03 receive frequency"
UserText CellEditName(int channel, int column);

}  // namespace kvd::gui

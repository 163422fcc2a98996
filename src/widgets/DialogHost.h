#pragma once

#include <QString>

class QWidget;

namespace kvd {
struct RadioState;
}

namespace kvd::gui {

// What a settings window needs of the window it belongs to: a parent, the state it edits,
// the message box, where to say it changed the configuration and where windows are kept.
// The main window is one; the dialogs know no more of it.
class DialogHost {
public:
    virtual QWidget* hostWindow() = 0;
    virtual RadioState& state() = 0;
    // A message in the interface language's buttons, owned by the host window.
    virtual int LocalizedMessageBox(const QString& prompt, int style,
                                    const QString& title = {}) = 0;
    // Called once a window has changed the configuration (its OK).
    virtual void configurationChanged() = 0;
    // Puts a window back where the user last left it; notes where it is now.
    virtual void restorePlace(QWidget* window) = 0;
    virtual void keepPlace(const QWidget* window) = 0;

protected:
    ~DialogHost() = default;
};

}  // namespace kvd::gui

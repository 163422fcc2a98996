#pragma once

#include <QDialog>

#include "settings/Language.h"

class QPushButton;

namespace kvd {
struct RadioState;
}

namespace kvd::gui {

class DialogHost;

// A settings window of the program: made once, hidden, owned by the main window. Opening
// refills it from the settings and shows it beside the main window, which stays usable; OK
// stores and hides, Cancel, Escape and the close box only hide. It is never destroyed
// before the main window.
class ModelessDialog : public QDialog {
    Q_OBJECT
public:
    ModelessDialog(DialogHost& host, const char* objectName);

    // Refills the controls from the settings, then shows the window or brings it forward.
    void ShowFilled();
    // The settings were replaced (a read, a file): an open window shows the new values at
    // once, so that its OK cannot put the old ones back. A hidden one refills when opened.
    void showReplacedSettings();

    // Texts that the caption table cannot write (grid headers); default none.
    virtual void languageChanged(LanguageId /*language*/) {}

    void accept() override;

protected:
    virtual void fill() = 0;
    virtual void store() = 0;

    DialogHost& host() { return host_; }
    RadioState& state();

    // "确定" / "取消" buttons. They take no default role, so Enter in a field does not
    // press OK behind the user's back.
    QPushButton* okButton(const char* objectName = "Command1");
    QPushButton* cancelButton(const char* objectName = "Command2");

private:
    DialogHost& host_;
};

}  // namespace kvd::gui

#pragma once

#include <QDialog>

#include "widgets/Captions.h"

class QPushButton;

namespace kvd {
struct RadioState;
}

namespace kvd::gui {

class DialogHost;

// A settings window of the program: made once, hidden, owned by the main window. Opening
// refills it from the settings and shows it beside the main window, which stays usable; OK
// stores and hides, Cancel, Escape and the close box only hide. It is never destroyed
// before the main window. Its texts follow the interface language. It reopens where the user
// last left it, in this run or an earlier one.
class ModelessDialog : public QDialog {
    Q_OBJECT
public:
    ModelessDialog(DialogHost& host, const char* objectName, TextId title);

    // Refills the controls from the settings, then shows the window or brings it forward.
    void ShowFilled();
    // The settings were replaced (a read, a file): an open window shows the new values at
    // once, so that its OK cannot put the old ones back. A hidden one refills when opened.
    void showReplacedSettings();

    void accept() override;

protected:
    virtual void fill() = 0;
    virtual void store() = 0;
    // Texts that are no control's caption (grid headers), in the interface language.
    virtual void retranslate() {}
    // What only an opened window needs (its drawings), made before it first shows, so that
    // start-up does not wait for it.
    virtual void beforeFirstShow() {}

    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    DialogHost& host() { return host_; }
    RadioState& state();
    // The window's texts; a dialog adds its controls as it makes them.
    Captions& captions() { return captions_; }
    // Once every control is made: sizes for both languages, texts in the interface language.
    void captionsDone();

    // "确定" / "取消" buttons. They take no default role, so Enter in a field does not
    // press OK behind the user's back.
    QPushButton* okButton(const char* objectName = "Command1");
    QPushButton* cancelButton(const char* objectName = "Command2");

private:
    DialogHost& host_;
    Captions captions_;
    bool shownBefore_ = false;
};

}  // namespace kvd::gui

#pragma once

#include "dialogs/ModelessDialog.h"

class QLineEdit;

namespace kvd::gui {

// The embedded-information dialog `Form7`: two free lines of at most 32 single-byte
// characters that the radio keeps. Edits its two lines.
class EmbeddedInfoDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit EmbeddedInfoDialog(MainWindow& owner);

protected:
    void fill() override;
    void store() override;

private:
    QLineEdit* lines_[2] = {};
};

}  // namespace kvd::gui

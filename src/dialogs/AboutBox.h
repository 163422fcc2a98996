#pragma once

#include "dialogs/ModelessDialog.h"

class QLabel;

namespace kvd::gui {

// The about box `frmAbout`: the program's name, version, issue date and the maker line,
// which opens the maker's page.
class AboutBox : public ModelessDialog {
    Q_OBJECT
public:
    explicit AboutBox(DialogHost& host);

protected:
    void fill() override {}
    void store() override {}
    void beforeFirstShow() override;

private:
    QLabel* icon_ = nullptr;
    QLabel* radio_ = nullptr;
};

}  // namespace kvd::gui

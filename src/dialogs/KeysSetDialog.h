#pragma once

#include "dialogs/ModelessDialog.h"

class QComboBox;
class QLabel;

namespace kvd::gui {

// The keys-set dialog `Form6`: a function for each programmable side key, PF1 and PF2,
// beside a picture of the radio with the key being edited marked. Edits the keys' functions.
class KeysSetDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit KeysSetDialog(DialogHost& host);

protected:
    void fill() override;
    void store() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void beforeFirstShow() override;

private:
    QLabel* makePicture(const char* objectName);

    QComboBox* pf1_ = nullptr;
    QComboBox* pf2_ = nullptr;
    QLabel* image_ = nullptr;
    QLabel* picturePf1_ = nullptr;
    QLabel* picturePf2_ = nullptr;
};

}  // namespace kvd::gui

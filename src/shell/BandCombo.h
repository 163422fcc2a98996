#pragma once

#include <QComboBox>

namespace kvd {
class BandSelection;
}

namespace kvd::gui {

// The band list `Combo1`. Opening its drop-down is what arms the band-change question, so
// the core hears of every opening.
class BandCombo : public QComboBox {
    Q_OBJECT
public:
    BandCombo(BandSelection& band, QWidget* parent = nullptr);

    void showPopup() override;

    // Shows the core's band without running the change handling.
    void showBand();

private:
    BandSelection& band_;
};

}  // namespace kvd::gui

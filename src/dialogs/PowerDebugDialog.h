#pragma once

#include "dialogs/ModelessDialog.h"

class QLabel;
class QSlider;

namespace kvd::gui {

// The power-debug dialog `Form2`: the two transmit-power calibration values. Anyone may
// look; the sliders move only while debug access is granted. Edits the high and low
// power levels.
class PowerDebugDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit PowerDebugDialog(MainWindow& owner);

    // The grant and the withdrawal of debug access, whether the window is shown or not.
    void setSlidersEnabled(bool enabled);

protected:
    void fill() override;
    void store() override;

private:
    QWidget* powerFrame(const char* frameName, const char* sliderName, const char* lowName,
                        const char* highName, const char* valueName);

    QSlider* high_ = nullptr;
    QSlider* low_ = nullptr;
};

}  // namespace kvd::gui

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
    explicit PowerDebugDialog(DialogHost& host);

    // The grant and the withdrawal of debug access, whether the window is shown or not.
    void setSlidersEnabled(bool enabled);

protected:
    void fill() override;
    void store() override;

private:
    // One level: its frame, slider, scale ends and value, by their objectNames.
    struct LevelNames {
        const char* frame;
        const char* slider;
        const char* low;
        const char* high;
        const char* value;
    };
    struct Level {
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
    };
    QWidget* levelFrame(const LevelNames& names, TextId caption, Level& level);

    Level high_;  // `Slider1`, `Lblpower1`
    Level low_;   // `Slider3`, `Lblpower3`
};

}  // namespace kvd::gui

#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace kvd::gui {

// The program's own drawings (SVG resources under :/kvd270/pictures/).
namespace Pictures {

inline constexpr const char* kRadio = ":/kvd270/pictures/radio.svg";
inline constexpr const char* kRadioPf1 = ":/kvd270/pictures/radio-pf1.svg";
inline constexpr const char* kRadioPf2 = ":/kvd270/pictures/radio-pf2.svg";
inline constexpr const char* kProgram = ":/kvd270/icons/kvd270.svg";

// A drawing rendered at a height in device-independent pixels, sharp on the widget's screen;
// its width follows the drawing's proportions.
QPixmap Render(const char* resource, int height, const QWidget* onScreenOf);

}  // namespace Pictures
}  // namespace kvd::gui

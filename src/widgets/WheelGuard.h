#pragma once

class QWidget;

namespace kvd::gui {

// Lists and sliders under `root` change by the mouse wheel only once they have the keyboard
// focus (a click or Tab gives it); a wheel turned over one that has not goes on to whatever
// holds it, as if it were not there. A wheel turned while merely passing over the band list
// would otherwise change the band, or a panel list a setting, without the user noticing.
void IgnoreUnfocusedWheel(QWidget* root);

}  // namespace kvd::gui

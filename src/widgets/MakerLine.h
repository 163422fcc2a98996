#pragma once

#include "widgets/ClickableLabel.h"

namespace kvd::gui {

// The maker line: the maker's name and page. A click opens the page with the desktop's
// default handler; a page that cannot be opened is not reported. The main window shows it at
// its foot (`Label2`), the about box below its texts (`lblDescription`).
class MakerLine : public ClickableLabel {
    Q_OBJECT
public:
    MakerLine(QWidget* parent, const char* objectName);
};

}  // namespace kvd::gui

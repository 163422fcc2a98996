#pragma once

#include "widgets/CaptionTable.h"

namespace kvd::gui {

// The main window's captions, menus, tooltips, frames and labels in both languages. The
// function-set panel and the table's column captions have their own tables in the core.
CaptionTable MainCaptions();

}  // namespace kvd::gui

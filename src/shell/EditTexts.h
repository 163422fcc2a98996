#pragma once

#include "settings/Language.h"

namespace kvd::gui {

// Messages of the cell editors.
namespace EditTexts {

// A typed frequency outside the selected band.
inline constexpr LocalText kOutOfBand{"超出频段范围", "Beyond the frequency range"};

}  // namespace EditTexts
}  // namespace kvd::gui

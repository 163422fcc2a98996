#pragma once

#include <optional>
#include <string>

namespace kvd {

// How the debug-frequency grid keeps its sixteen receive / transmit pairs on the raster.
// Results are frequency texts with three integer digits ("000.00000"), the form the image
// stores digit by digit; a value the image cannot hold (1000 MHz or more) gives nullopt,
// and the cell keeps what it had.
namespace DebugFrequencyRules {

// A transmit cell may be edited only beside a receive frequency.
bool CanEditTransmit(const std::string& receive);

// After a receive cell's edit: the value snapped down to whichever of the 5 kHz and
// 6.25 kHz rasters moves it least (ties to 6.25 kHz); text that is no number counts as 0;
// empty stays empty. The row's transmit cell then takes the same text.
std::optional<std::string> SnapReceive(const std::string& typed);

// After a transmit cell's edit: empty takes the receive text; otherwise snapped down onto
// the raster that the receive frequency lies on (6.25 kHz when it does, else 5 kHz).
std::optional<std::string> SnapTransmit(const std::string& typed, const std::string& receive);

}  // namespace DebugFrequencyRules
}  // namespace kvd

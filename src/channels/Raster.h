#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvd {

// A frequency in units of 10 Hz snapped down to the nearer of the 5 kHz and 6.25 kHz raster
// points at or below it (equal distances go to 6.25 kHz); a frequency already on either
// raster stays as it is. Only the digits below 100 kHz take part, as the raster repeats
// every 100 kHz.
std::uint32_t SnapToRaster(std::uint32_t tens);

// A plain decimal text ("145.5", ".5", "145.") rounded half away from zero to `decimals`
// places and written with exactly that many ("0.00000" for five). Works on the digits, so
// no binary rounding creeps in; nullopt for a text that is no plain decimal number.
std::optional<std::string> RoundDecimalText(std::string_view text, int decimals);

// The remainder of value by step as the debug-frequency dialog tests it: value itself
// below one step, 0 when value / step shows no decimal point at 15 significant digits,
// else value minus the largest whole multiple of step not above it.
double FloatRemainder(double step, double value);

// The leading decimal number of a text (leading blanks skipped), 0 when there is none.
double LeadingNumber(std::string_view text);

}  // namespace kvd

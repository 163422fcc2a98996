#pragma once

#include <string_view>

namespace kvd {

// Snaps a frequency text with five decimals down to the nearer of the 5 kHz and 6.25 kHz
// raster points at or below it (equal distances go to 6.25 kHz); a frequency already on
// either raster is returned unchanged. Gives the frequency in MHz.
double SnapFrequency(std::string_view frequencyText);

// The remainder of value by step as the debug-frequency dialog tests it: value itself
// below one step, 0 when value / step shows no decimal point at 15 significant digits,
// else value minus the largest whole multiple of step not above it.
double FloatRemainder(double step, double value);

// The leading decimal number of a text (leading blanks skipped), 0 when there is none.
double LeadingNumber(std::string_view text);

}  // namespace kvd

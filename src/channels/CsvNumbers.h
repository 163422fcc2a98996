#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "channels/CsvFaults.h"
#include "channels/Frequency.h"

// Frequencies and offsets as the columns write them: MHz with six decimals.
namespace kvd::CsvExchange {

// "146.520000", "-55.000000".
std::string MHzText(long long hz);

// A frequency in Hz, when its digits are all decimal.
std::optional<long long> HzOf(Frequency frequency);

// A frequency or offset field in Hz. Throws RowFault: `notANumber` when it is none,
// NumberTooLarge when it has more digits than a frequency can have.
long long HzField(const std::string& text, RowProblem notANumber);

}  // namespace kvd::CsvExchange

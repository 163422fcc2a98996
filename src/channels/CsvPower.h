#pragma once

#include <string>

#include "channels/Channel.h"

// The Power column, in watts as the other tools write it. The handheld's nominal levels:
// High 5 W, Low 1 W.
namespace kvd::CsvExchange {

// "5.0W" or "1.0W".
std::string PowerText(Power power);

// High, Low, H or L in any case, empty (High), or watts with or without "W": the nearer
// of the two levels, a tie to High. Throws RowFault (BadPower) for anything else.
Power PowerField(const std::string& text);

}  // namespace kvd::CsvExchange

#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "channels/Channel.h"
#include "image/FieldTable.h"

namespace kvd {

struct RadioState;

// One value of a configuration as the typed model holds it: a number (a list position, the
// band's position, a level, a delay), a check box, a text, a frequency, a tone or a channel's
// choice; monostate where there is nothing (no channel, no transmit frequency, no scan delay
// entered, no debug frequency).
using FieldValue = std::variant<std::monostate, int, bool, std::string, Frequency, Tone, Power,
                                BusyLock, Bandwidth, ScanAdd>;

// Element 0..count-1 of a field table row, as a value.
FieldValue SettingValue(const FieldTable::Field& field, const RadioState& state, int element = 0);

// The values of the field table's rows as plain texts, for printouts and comparisons that
// list settings by the table's names: a number in decimal, a check box as 0 or 1, a text as it
// is, a frequency as FrequencyText, the band as its list position; empty for no value.
std::string ValueText(const FieldTable::Field& field, const RadioState& state, int element = 0);

// True for rows whose values are numbers (the band included); false for texts and
// frequencies.
bool IsNumeric(const FieldTable::Field& field);

}  // namespace kvd

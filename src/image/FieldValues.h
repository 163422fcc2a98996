#pragma once

#include <string>

#include "image/FieldTable.h"

namespace kvd {

struct RadioState;

// The values of the field table's rows as plain texts, for printouts and comparisons that
// list settings by the table's names: a number in decimal, a text as it is, a frequency as
// FrequencyText, the band as its list position; empty for no value (no scan delay entered,
// no frequency). Element 0..count-1 of a row.
std::string ValueText(const FieldTable::Field& field, const RadioState& state, int element = 0);

// True for rows whose values are numbers (the band included); false for texts and
// frequencies.
bool IsNumeric(const FieldTable::Field& field);

}  // namespace kvd

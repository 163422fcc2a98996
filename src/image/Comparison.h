#pragma once

#include <vector>

#include "image/FieldValues.h"

namespace kvd {

struct RadioState;

// Where a value of a configuration lives: a column of a channel (ChannelCells::Column 1..8),
// or element `element` of a field table row (an auto-dial memory, an embedded line, a debug
// frequency: receive at even, transmit at odd elements).
struct FieldPlace {
    int channel = 0;  // 1..16 for a channel's column, 0 for a setting
    int column = 0;
    const FieldTable::Field* field = nullptr;
    int element = 0;

    bool isChannel() const { return channel != 0; }
    bool operator==(const FieldPlace&) const = default;
};

// One value that differs between two configurations: ours (this window, the file written,
// the first of two files) and theirs (the radio, the second file).
struct Difference {
    FieldPlace place;
    FieldValue ours;
    FieldValue theirs;

    bool operator==(const Difference&) const = default;
};

using Differences = std::vector<Difference>;

// The value of a channel's column as the table shows it: nothing for an empty slot, and for
// the transmit tone of a channel that only receives and has no tone.
FieldValue ChannelValue(const Channels& channels, int number, int column);

// Channel by channel (in column order), then setting by setting in the field table's order,
// the band included; empty when the two configurations are equal. Flags of the program
// (language, port, debug access) are no part of a configuration.
Differences Compare(const RadioState& ours, const RadioState& theirs);

}  // namespace kvd

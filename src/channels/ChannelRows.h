#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "channels/Channel.h"
#include "channels/CsvRows.h"

// Whole rows of the channel table: what the grid's row commands do to the sixteen channels.
// Rows are channel numbers 1..16, ascending, without repeats.
namespace kvd::ChannelRows {

void Clear(Channels& channels, const std::vector<int>& rows);

// Each row changes places with the row above (below) it; the rows then name where the
// channels went. False, changing nothing, for an empty selection or one at the table's edge.
bool MoveUp(Channels& channels, std::vector<int>& rows);
bool MoveDown(Channels& channels, std::vector<int>& rows);

enum class Insertion { Inserted, LastHeld, NoRow };
// An empty row at `row`, the channels from there on one row down. Refused while channel 16
// holds a channel: it would fall off the table.
Insertion InsertEmpty(Channels& channels, int row);

// Where pasted rows go, from `firstRow` down: usable rows keep the distances between their
// Locations when every one has a Location (rows copied from the table keep their gaps),
// otherwise they follow one another.
struct Pasting {
    std::vector<std::pair<int, Channel>> placed;  // channel number and channel
    std::vector<std::size_t> noRoom;              // usable rows that would land below 16
};
Pasting Place(const CsvExchange::FileReading& reading, int firstRow);

}  // namespace kvd::ChannelRows

#pragma once

#include <string>

#include "channels/Channel.h"
#include "settings/Language.h"

namespace kvd {

// The channel table as the grid, `show` and the cell editors see it: rows are channel
// numbers 1..16, columns 0..8, every cell a text in the interface language.
namespace ChannelCells {

enum Column {
    kNumber = 0,  // "01".."16"
    kRxFrequency = 1,
    kRxTone = 2,
    kTxFrequency = 3,
    kTxTone = 4,
    kPower = 5,
    kBusyLock = 6,
    kBandwidth = 7,
    kScanAdd = 8,
};
constexpr int kColumns = 9;

// The text of a cell: empty for every cell of an empty row but its number, and for the
// transmit tone of a channel without transmit frequency and without tone; a frequency as
// FrequencyText, a tone as ToneText, a choice as its list item. Empty outside the table.
std::string Text(const Channels& channels, int number, int column, LanguageId language);

// The list position of a choice cell's value (columns 5..8), -1 for other columns.
int ChoicePosition(const Channel& channel, int column);
// Sets a choice cell (columns 5..8) to the item at a position 0..1; anything else is ignored.
void SetChoice(Channel& channel, int column, int position);

// The tone of a tone column (2 receive, 4 transmit).
Tone& ToneOf(Channel& channel, int column);
Tone ToneOf(const Channel& channel, int column);

}  // namespace ChannelCells
}  // namespace kvd

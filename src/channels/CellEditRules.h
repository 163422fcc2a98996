#pragma once

#include <string>
#include <string_view>

#include "channels/Channel.h"

namespace kvd {

class BandSelection;

// What the in-place editors of the channel table do to the channels, without any widget.
// Rows are channel numbers 1..16, columns those of ChannelCells.
namespace CellEditRules {

enum class Editor { None, Frequency, Tone, Choice };

// The editor of a column: 1 and 3 frequency, 2 and 4 tone, 5..8 choice.
Editor EditorFor(int column);

// The column an editor opens on: a click anywhere in an empty row opens its receive cell.
int ColumnToOpen(const Channels& channels, int row, int column);

// Keys the frequency and tone editors keep: digits, the point and Backspace.
bool IsEditorKey(char32_t key);

enum class FrequencyCommit {
    Written,    // the snapped frequency is in the cell (and a new channel got its defaults)
    Deleted,    // the receive frequency was erased: the channel is gone
    Unchanged,  // empty transmit text, or text that is no number
    OutOfBand,  // outside the band: the caller shows "Beyond the frequency range"
};

// A typed frequency checked as the editor checks it: rounded to five decimals, inside the
// band (lower limit included, upper excluded), snapped down onto the 5 kHz / 6.25 kHz
// raster. `snapped` is set when the status is Written.
struct CheckedFrequency {
    FrequencyCommit status;
    Frequency snapped;
};
CheckedFrequency CheckFrequency(std::string_view text, const BandSelection& band);

// Commits the frequency editor's text into channel `row`, column 1 or 3. A receive frequency
// typed for a channel without transmit frequency makes a new channel: the transmit
// frequency the same, every other value its default.
FrequencyCommit CommitFrequency(Channels& channels, const BandSelection& band, int row, int column,
                                std::string_view text);

// An item picked from the tone list (position 0..260) or a choice list (0..1).
void PickTone(Channels& channels, int row, int column, int position);
void PickChoice(Channels& channels, int row, int column, int position);

// The tone editor lost the focus holding `text`, with `selectedPosition` the list item it
// shows (-1 when the text is typed). A typed tone within 67.0..254.1 Hz becomes a CTCSS tone
// of one decimal; anything else leaves the tone as it was.
void CommitTone(Channels& channels, int row, int column, std::string_view text,
                int selectedPosition);

}  // namespace CellEditRules
}  // namespace kvd

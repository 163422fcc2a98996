#pragma once

#include <string>

#include "settings/Language.h"

namespace kvd {

class BandSelection;
class ChannelTable;

// What the in-place editors of the channel table do to the table, without any widget.
namespace CellEditRules {

enum class Editor { None, Frequency, Tone, Choice };

// The editor of a column: 1 and 3 frequency, 2 and 4 tone, 5..8 choice.
Editor EditorFor(int column);

// The column an editor opens on: a click anywhere in an empty row opens its receive cell.
int ColumnToOpen(const ChannelTable& table, int row, int column);

// Keys the frequency and tone editors keep: digits, the point and Backspace.
bool IsEditorKey(char32_t key);

enum class FrequencyCommit {
    Written,    // the snapped frequency is in the cell (and a new channel got its defaults)
    Deleted,    // the receive frequency was erased: the channel is gone
    Unchanged,  // empty transmit text, or text that is no number
    OutOfBand,  // outside the band: the caller shows "Beyond the frequency range"
};

// A typed frequency checked as the editor checks it: rounded to five decimals, inside the
// band, snapped down onto the raster. `snapped` is set when the status is Written.
struct CheckedFrequency {
    FrequencyCommit status;
    std::string snapped;
};
CheckedFrequency CheckFrequency(const std::string& text, const BandSelection& band);

// Commits the frequency editor's text into (row, column 1 or 3). The value is rounded to
// five decimals, checked against the band (lower limit included, upper excluded) and
// snapped down onto the 5 kHz / 6.25 kHz raster.
FrequencyCommit CommitFrequency(ChannelTable& table, const BandSelection& band, int row, int column,
                                const std::string& text, LanguageId language);

// An item picked from the tone list (position 0..260) or a choice list (0..1).
void PickTone(ChannelTable& table, int row, int column, int position, LanguageId language);
void PickChoice(ChannelTable& table, int row, int column, int position, LanguageId language);

// The tone editor lost the focus holding `text`, with `selectedPosition` the list item it
// shows (-1 when the text is typed). A typed tone within 67.0..254.1 Hz is kept with one
// decimal; anything else puts back the tone at the cell's stored list position.
void CommitTone(ChannelTable& table, int row, int column, const std::string& text,
                int selectedPosition, LanguageId language);

}  // namespace CellEditRules
}  // namespace kvd

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "channels/Channel.h"
#include "channels/CsvRows.h"

namespace kvd::CsvExchange {

// The channels chosen rows become.
struct Placement {
    Channels channels;
    int imported = 0;
    int moved = 0;  // frequencies moved onto the raster or rounded to 10 Hz
};

// Which rows of a read file go into the sixteen channels: at most sixteen, usable ones
// only. Starts with the first sixteen usable rows chosen. Rows are positions in
// FileReading::rows; the reading must outlive the choice.
class RowChoice {
public:
    explicit RowChoice(const FileReading& reading);

    enum class Outcome {
        Chosen,    // chosen now, or already
        Unusable,  // the row cannot become a channel
        Full,      // sixteen rows are chosen already
        NoSuchRow,
    };
    Outcome choose(std::size_t row);
    void drop(std::size_t row);
    void clear();

    bool isChosen(std::size_t row) const;
    int count() const { return count_; }
    // Positions of the rows not chosen, in file order.
    std::vector<std::size_t> leftOut() const;

    // The chosen rows in file order as channels 1, 2, 3...; when keepsLocations(), each on
    // its own Location instead.
    Placement place() const;

private:
    const FileReading* reading_;
    std::vector<bool> chosen_;
    int count_ = 0;
};

// What is wrong with a list of Locations (ChooseByLocations).
struct LocationListFault {
    enum Kind {
        Malformed,       // item: an item that is no Location or range
        Reversed,        // item: a range whose end lies before its start
        NoSuchLocation,  // item: a Location no row has
        EmptyRange,      // item: a range no row's Location lies in
        UnusableRow,     // row: a named row that cannot become a channel
        TooMany,         // count: the rows named, more than sixteen
    };
    Kind kind;
    std::string item;
    std::size_t row = 0;
    int count = 0;
};

// Chooses exactly the rows whose Locations a list names: Locations and ranges separated by
// commas ("1-8,12,20-22"). Every Location must be a row's and every range must hold one.
// Gives every fault found; the choice changes only when there is none.
std::vector<LocationListFault> ChooseByLocations(RowChoice& choice, const FileReading& reading,
                                                 std::string_view list);

}  // namespace kvd::CsvExchange

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/Channel.h"
#include "channels/CsvFaults.h"

namespace kvd {

class BandSelection;

namespace CsvExchange {

// Sixteen channels take a few kilobytes and the longest lists a few hundred rows; a file
// larger than this is the wrong file, and is not read into memory whole.
constexpr std::size_t kLargestFile = 1 << 20;

// Locations are whole numbers from 0 up to this.
constexpr long kLargestLocation = 999999;

// A Location as written: a whole number 0..kLargestLocation, digits only.
std::optional<long> LocationNumber(std::string_view text);

// One record below the header, with its verdict: usable (the channel it becomes) or not
// (why).
struct FileRow {
    // The row's texts as the file writes them, blanks around them trimmed.
    struct Written {
        std::string location, name, frequency, duplex, offset, tone, crossMode, mode;
    };

    int line = 0;  // where the record starts, 1-based
    Written written;
    std::optional<long> location;    // the Location, when it is one no earlier row has
    std::optional<Channel> channel;  // set exactly when the row is usable
    std::optional<RowFault> fault;   // set exactly when it is not
    int moved = 0;  // its frequencies that were moved onto the raster or rounded to 10 Hz

    bool usable() const { return channel.has_value(); }
};

struct FileReading {
    std::optional<FileFault> fault;  // the file as a whole cannot be read; no rows then
    std::vector<FileRow> rows;       // in file order

    int usableCount() const;
    // Every usable row has a Location 1..16, so the rows can keep their channel numbers.
    bool keepsLocations() const;
};

// Reads a whole file, columns matched by name in any case and order. A row is usable when
// every value it gives can be stored and its frequencies lie in the band; its frequencies
// are moved onto the raster as the editor does. A Location that an earlier row has makes a
// row unusable, so a Location names one row.
FileReading ReadFile(std::string_view csv, const BandSelection& band);

}  // namespace CsvExchange
}  // namespace kvd

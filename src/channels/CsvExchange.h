#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "channels/Channel.h"
#include "settings/Language.h"

namespace kvd {

class BandSelection;

// Channel lists in the comma-separated column format that radio programming tools share
// ("Location,Name,Frequency,Duplex,Offset,Tone,..."). Columns are matched by name.
namespace CsvExchange {

// Sixteen channels take a few kilobytes; a file larger than this is the wrong file, and is
// not read into memory whole.
constexpr std::size_t kLargestFile = 1 << 20;

// One row per programmed channel, header first, CRLF line ends.
std::string Export(const Channels& channels);

struct ImportError {
    enum Kind {
        NoHeader,  // no "Location" or "Frequency" column
        UnclosedQuote,
        BadLocation,  // not a channel number 1..16
        DuplicateLocation,
        BadFrequency,  // no number
        OutOfBand,
        BadDuplex,
        BadOffset,
        BadToneMode,
        BadCrossMode,
        ToneOutOfRange,  // CTCSS outside 67.0..254.1 Hz
        BadDcsCode,      // not a code of the DCS list
        BadPolarity,
        BadMode,
        BadSkip,
        BadPower,
        NumberTooLarge,   // more digits than any frequency or offset has
        DuplicateColumn,  // value: the column's name
    };
    Kind kind;
    int line;
    std::string value;  // the offending field, as it stands in the file
};

struct ImportResult {
    Channels channels;  // the new channels; use them only when error is empty
    int imported = 0;
    int moved = 0;  // frequencies snapped onto the raster or rounded to 10 Hz
    std::optional<ImportError> error;
};

// Reads a whole file. Frequencies must lie in the band.
ImportResult Import(std::string_view csv, const BandSelection& band);

// The message for a failed import, naming the line and the reason; the offending field is
// quoted escaped and cut short (QuotedText).
std::string Describe(const ImportError& error, const BandSelection& band, LanguageId language);
// The message for a successful one (channel count and frequencies moved).
std::string DescribeSuccess(const ImportResult& result, LanguageId language);

}  // namespace CsvExchange
}  // namespace kvd

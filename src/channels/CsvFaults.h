#pragma once

#include <cstdint>
#include <string>

namespace kvd::CsvExchange {

// Why a file cannot be read at all.
enum class FileProblem : std::uint8_t {
    NoHeader,  // no "Location" or "Frequency" column
    UnclosedQuote,
    DuplicateColumn,  // value: the column's name
};

struct FileFault {
    FileProblem problem;
    int line;
    std::string value;  // the offending field, as it stands in the file
};

// Why one row of a file cannot become a channel.
enum class RowProblem : std::uint8_t {
    BadLocation,        // no whole number
    DuplicateLocation,  // an earlier row has the same Location
    NoFrequency,
    BadFrequency,    // no number
    NumberTooLarge,  // more digits than any frequency or offset has
    OutOfBand,
    BadDuplex,
    BadOffset,
    BadToneMode,
    ReverseSquelch,  // TSQL-R, DTCS-R: the radio has no reverse squelch
    BadCrossMode,
    ToneOutOfRange,  // CTCSS outside 67.0..254.1 Hz
    BadDcsCode,      // not a code of the DCS list
    BadPolarity,
    BadMode,
    BadSkip,
    BadPower,
};

struct RowFault {
    RowProblem problem;
    std::string value;  // the offending field, as it stands in the file
};

}  // namespace kvd::CsvExchange

#pragma once

#include "channels/CsvFaults.h"
#include "texts/UserText.h"

namespace kvd {

class BandSelection;

// Every text of the CSV exchange (the csv.* texts of the catalogue).
namespace CsvExchange {

struct FileRow;
struct Placement;

// A file that cannot be read: "Line 1: the same column appears twice ("power"). The channel
// list is unchanged." The offending field is quoted escaped and cut short (QuotedText).
UserText FileFaultMessage(const FileFault& fault);

// Why a row is unusable: "the frequency is outside the band 136-174MHz ("446.006250")".
UserText RowReason(const RowFault& fault, const BandSelection& band);

// "usable", or why not.
UserText RowVerdict(const FileRow& row, const BandSelection& band);

// A row as a person finds it in the file: "Line 5, Location 3 "Calling"".
UserText RowName(const FileRow& row);

// A row left out of an import: "Line 5, Location 3 "Calling": <reason>".
UserText LeftOutLine(const FileRow& row, const UserText& reason);

// "3 rows were left out:"
UserText LeftOutHeading(int count);

// "Imported 16 channels; 2 frequencies were moved onto the channel raster."
UserText SuccessMessage(const Placement& placement);

}  // namespace CsvExchange
}  // namespace kvd

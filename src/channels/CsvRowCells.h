#pragma once

#include <string>

#include "settings/Language.h"

namespace kvd {

class BandSelection;

namespace CsvExchange {

struct FileRow;

// What a list of a file's rows shows of one row. A usable row shows the channel it becomes
// (frequencies on the raster, tones as the table writes them, transmit -> receive); an
// unusable one the file's own texts.
struct RowCells {
    std::string location, name, frequency, transmit, tones, mode, verdict;
};

RowCells CellsOf(const FileRow& row, const BandSelection& band, LanguageId language);

}  // namespace CsvExchange
}  // namespace kvd

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channels/Channel.h"

// The channel table's rows on the clipboard: the CSV export's columns with their header, as
// CSV and as the tab-separated text spreadsheets copy and paste.
namespace kvd::CsvExchange {

// The export of the channels of these rows (empty rows have no line), with the program's
// own BusyLock column or without.
std::string ExportRows(const Channels& channels, const std::vector<int>& rows, bool withBusyLock);

// The same records with tabs between the fields, one line each.
std::string TabSeparated(std::string_view csv);
// Tab-separated lines as CSV, so that the import's rules read them. A field a spreadsheet
// put in quotes loses them.
std::string CsvFromTabSeparated(std::string_view text);
// Text whose first line holds a tab is tab-separated; otherwise it is read as CSV.
bool LooksTabSeparated(std::string_view text);

}  // namespace kvd::CsvExchange

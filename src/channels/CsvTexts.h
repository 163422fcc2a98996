#pragma once

#include <string>

#include "channels/CsvFaults.h"
#include "settings/Language.h"

namespace kvd {

class BandSelection;

// Every text of the CSV exchange, in both languages.
namespace CsvExchange {

struct FileRow;
struct Placement;

inline constexpr LocalText kUsable{"可用", "usable"};
inline constexpr LocalText kBeyondSixteen{"不在前 16 个可用行之内",
                                          "not among the first sixteen usable rows"};
inline constexpr LocalText kNoUsableRow{"文件中没有可用的行。信道列表没有改变。",
                                        "No row of the file is usable. The channel list is "
                                        "unchanged."};

// A file that cannot be read: "Line 1: the same column appears twice ("power"). The channel
// list is unchanged." The offending field is quoted escaped and cut short (QuotedText).
std::string FileFaultMessage(const FileFault& fault, LanguageId language);

// Why a row is unusable: "the frequency is outside the band 136-174MHz ("446.006250")".
std::string RowReason(const RowFault& fault, const BandSelection& band, LanguageId language);

// "usable", or why not.
std::string RowVerdict(const FileRow& row, const BandSelection& band, LanguageId language);

// A row as a person finds it in the file: "Line 5, Location 3 "Calling"".
std::string RowName(const FileRow& row, LanguageId language);

// A row left out of an import: "Line 5, Location 3 "Calling": <reason>".
std::string LeftOutLine(const FileRow& row, const std::string& reason, LanguageId language);

// "3 rows were left out:"
std::string LeftOutHeading(int count, LanguageId language);

// "Imported 16 channels; 2 frequencies were moved onto the channel raster."
std::string SuccessMessage(const Placement& placement, LanguageId language);

}  // namespace CsvExchange
}  // namespace kvd

#pragma once

#include <string>

#include "channels/Channel.h"

// Channel lists in the comma-separated column format that radio programming tools share
// ("Location,Name,Frequency,Duplex,Offset,Tone,..."): export here; reading a file is
// CsvRows.h, choosing its rows CsvChoice.h, the messages CsvTexts.h.
namespace kvd::CsvExchange {

// One row per programmed channel, header first, CRLF line ends: Location the channel
// number, Name CH01..CH16, Power in watts.
std::string Export(const Channels& channels);
// With one more column, BusyLock ("Carrier" or empty), which the import reads where it is
// given: the program's own clipboard keeps every value of a channel.
std::string Export(const Channels& channels, bool withBusyLock);

}  // namespace kvd::CsvExchange

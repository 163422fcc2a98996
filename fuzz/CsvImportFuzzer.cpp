// CSV import of arbitrary text: it never crashes, every message is short and names the line,
// and what it accepts lies in the band and comes back unchanged through export and import.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "channels/BandTable.h"
#include "channels/CellEditRules.h"
#include "channels/CsvExchange.h"
#include "image/RadioState.h"

namespace {

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvd;
    if (size < 2) {
        return 0;
    }
    const LanguageId language = data[0] & 1 ? kEnglish : kChinese;
    RadioState state = StartupState(language);
    state.band.TakeBand(data[1] % BandTable::kCount);
    const std::string_view csv(reinterpret_cast<const char*>(data + 2), size - 2);

    const CsvExchange::ImportResult result = CsvExchange::Import(csv, state.band, language);
    if (result.error) {
        for (LanguageId shown : {kChinese, kEnglish}) {
            const std::string message = CsvExchange::Describe(*result.error, state.band, shown);
            Require(!message.empty() && message.size() < 400);
            Require(message.find('\n') == std::string::npos);
        }
        return 0;
    }
    Require(result.channels >= 0 && result.channels <= ChannelTable::kChannels);
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        for (int column : {ChannelTable::kRxFrequency, ChannelTable::kTxFrequency}) {
            const std::string& cell = result.table.cell(row, column);
            Require(cell.empty() ||
                    CellEditRules::CheckFrequency(cell, state.band).snapped == cell);
        }
    }
    const CsvExchange::ImportResult again =
        CsvExchange::Import(CsvExchange::Export(result.table), state.band, language);
    Require(!again.error && again.moved == 0 && again.channels == result.channels);
    Require(again.table == result.table);
    return 0;
}

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
    RadioState state = StartupState(data[0] & 1 ? kEnglish : kChinese);
    state.band.TakeBand(data[1] % BandTable::kCount);
    const std::string_view csv(reinterpret_cast<const char*>(data + 2), size - 2);

    const CsvExchange::ImportResult result = CsvExchange::Import(csv, state.band);
    if (result.error) {
        for (LanguageId shown : {kChinese, kEnglish}) {
            const std::string message = CsvExchange::Describe(*result.error, state.band, shown);
            Require(!message.empty() && message.size() < 400);
            Require(message.find('\n') == std::string::npos);
        }
        return 0;
    }
    Require(result.imported >= 0 && result.imported <= Channels::kCount);
    for (int number = 1; number <= Channels::kCount; ++number) {
        const std::optional<Channel>& channel = result.channels[number];
        if (!channel) {
            continue;
        }
        for (const std::optional<Frequency>& frequency :
             {std::optional(channel->rx), channel->tx}) {
            if (frequency) {
                const std::string text = FrequencyText(*frequency);
                Require(CellEditRules::CheckFrequency(text, state.band).snapped == *frequency);
            }
        }
    }
    const CsvExchange::ImportResult again =
        CsvExchange::Import(CsvExchange::Export(result.channels), state.band);
    Require(!again.error && again.moved == 0 && again.imported == result.imported);
    Require(again.channels == result.channels);
    return 0;
}

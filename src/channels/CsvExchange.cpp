#include "channels/CsvExchange.h"

#include <cstdio>
#include <vector>

#include "channels/Csv.h"
#include "channels/CsvNumbers.h"
#include "channels/CsvPower.h"
#include "channels/CsvTones.h"

namespace kvd::CsvExchange {

namespace {

const std::vector<std::string> kHeader = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// So a list exported and imported elsewhere keeps its order recognisable.
std::string NameOf(int number) {
    char name[8];
    std::snprintf(name, sizeof name, "CH%02d", number);
    return name;
}

struct Transmit {
    std::string duplex, offset = "0.000000";
};

Transmit TransmitColumns(const Channel& c) {
    const std::optional<long long> rx = HzOf(c.rx);
    const std::optional<long long> tx = c.tx ? HzOf(*c.tx) : std::nullopt;
    if (!c.tx) {
        return {"off"};
    }
    if (!rx || !tx) {
        // a frequency that is no decimal number goes out as it stands
        return {"split", tx ? MHzText(*tx) : FrequencyText(c.tx)};
    }
    if (*tx == *rx) {
        return {};
    }
    return {*tx > *rx ? "+" : "-", MHzText(*tx > *rx ? *tx - *rx : *rx - *tx)};
}

std::vector<std::string> ExportRow(const Channel& c, int number) {
    const std::optional<long long> rx = HzOf(c.rx);
    const Transmit transmit = TransmitColumns(c);
    const ToneColumns tones = ExportTones(c.txTone, c.rxTone);
    const bool on5kHz = rx && *rx % 5000 == 0;
    return {std::to_string(number),
            NameOf(number),
            rx ? MHzText(*rx) : FrequencyText(c.rx),
            transmit.duplex,
            transmit.offset,
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.dtcs,
            tones.polarity,
            tones.rxDtcs,
            tones.cross,
            c.bandwidth == Bandwidth::Narrow ? "NFM" : "FM",
            on5kHz ? "5.00" : "6.25",
            c.scanAdd == ScanAdd::Yes ? "" : "S",
            PowerText(c.power),
            "",
            "",
            "",
            "",
            ""};
}

}  // namespace

std::string Export(const Channels& channels) {
    return Export(channels, false);
}

std::string Export(const Channels& channels, bool withBusyLock) {
    std::vector<std::string> header = kHeader;
    if (withBusyLock) {
        header.emplace_back("BusyLock");
    }
    std::string out = Csv::FormatRow(header);
    for (int number = 1; number <= Channels::kCount; ++number) {
        if (channels.has(number)) {
            std::vector<std::string> row = ExportRow(*channels[number], number);
            if (withBusyLock) {
                row.emplace_back(channels[number]->busyLock == BusyLock::Carrier ? "Carrier" : "");
            }
            out += Csv::FormatRow(row);
        }
    }
    return out;
}

}  // namespace kvd::CsvExchange

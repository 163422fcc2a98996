#include "channels/CsvRows.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "channels/BandSelection.h"
#include "channels/CellEditRules.h"
#include "channels/Csv.h"
#include "channels/CsvNumbers.h"
#include "channels/CsvPower.h"
#include "channels/CsvTones.h"

namespace kvd::CsvExchange {

namespace {

using Csv::Lowered;
using Csv::Trimmed;

// Field access by column name; a missing column reads as empty.
class ColumnReader {
public:
    explicit ColumnReader(const std::vector<std::string>& header) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            std::string name = Trimmed(header[i]);
            if (!columns_.emplace(Lowered(name), i).second && !name.empty() && duplicate_.empty()) {
                duplicate_ = name;
            }
        }
    }
    bool has(const std::string& name) const { return columns_.count(Lowered(name)) > 0; }
    // The first column name that comes twice (in any case), empty when none does.
    const std::string& duplicate() const { return duplicate_; }
    std::string get(const Csv::Row& row, const std::string& name) const {
        auto it = columns_.find(Lowered(name));
        if (it == columns_.end() || it->second >= row.fields.size()) {
            return {};
        }
        return Trimmed(row.fields[it->second]);
    }

private:
    std::map<std::string, std::size_t> columns_;
    std::string duplicate_;
};

// A frequency in Hz checked against the band and moved onto the raster as the editor does.
Frequency BandFrequency(long long hz, const BandSelection& band, int& moved) {
    if (hz < 0) {
        throw RowFault{RowProblem::OutOfBand, MHzText(hz)};
    }
    const long long tens = (hz + 5) / 10;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%05lld", tens / 100000, tens % 100000);
    const CellEditRules::CheckedFrequency checked = CellEditRules::CheckFrequency(text, band);
    if (checked.status != CellEditRules::FrequencyCommit::Written) {
        throw RowFault{RowProblem::OutOfBand, MHzText(hz)};
    }
    if (HzOf(checked.snapped) != hz) {
        ++moved;
    }
    return checked.snapped;
}

// Transmit frequency in Hz, or nullopt for "off".
std::optional<long long> TransmitHz(const FileRow::Written& w, long long rx) {
    const std::string duplex = Lowered(w.duplex);
    if (duplex == "off") {
        return std::nullopt;
    }
    if (duplex.empty()) {
        return rx;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split") {
        throw RowFault{RowProblem::BadDuplex, w.duplex};
    }
    const long long offset =
        HzField(w.offset.empty() && duplex != "split" ? "0" : w.offset, RowProblem::BadOffset);
    if (duplex == "+")
        return rx + offset;
    if (duplex == "-")
        return rx - offset;
    return offset;
}

template <typename T>
T ChoiceField(const std::string& text, RowProblem problem, const std::map<std::string, T>& values) {
    auto it = values.find(Lowered(text));
    if (it == values.end()) {
        throw RowFault{problem, text};
    }
    return it->second;
}

Channel ChannelOf(const ColumnReader& columns, const Csv::Row& record, const FileRow::Written& w,
                  const BandSelection& band, int& moved) {
    if (w.frequency.empty()) {
        throw RowFault{RowProblem::NoFrequency, {}};
    }
    const long long rxHz = HzField(w.frequency, RowProblem::BadFrequency);
    const std::optional<long long> txHz = TransmitHz(w, rxHz);
    const ChannelTones tones =
        ImportTones({w.tone, columns.get(record, "rToneFreq"), columns.get(record, "cToneFreq"),
                     columns.get(record, "DtcsCode"), columns.get(record, "DtcsPolarity"),
                     columns.get(record, "RxDtcsCode"), w.crossMode});
    Channel c;
    c.bandwidth = ChoiceField<Bandwidth>(
        w.mode, RowProblem::BadMode,
        {{"", Bandwidth::Wide}, {"fm", Bandwidth::Wide}, {"nfm", Bandwidth::Narrow}});
    c.scanAdd = ChoiceField<ScanAdd>(columns.get(record, "Skip"), RowProblem::BadSkip,
                                     {{"", ScanAdd::Yes}, {"p", ScanAdd::Yes}, {"s", ScanAdd::No}});
    c.power = PowerField(columns.get(record, "Power"));
    // The common format has no busy-channel lockout; only the program's own rows carry it.
    c.busyLock =
        Lowered(columns.get(record, "BusyLock")) == "carrier" ? BusyLock::Carrier : BusyLock::Off;
    c.rx = BandFrequency(rxHz, band, moved);
    if (txHz) {
        c.tx = BandFrequency(*txHz, band, moved);
    }
    c.txTone = tones.transmit;
    c.rxTone = tones.receive;
    return c;
}

FileRow ReadRow(const ColumnReader& columns, const Csv::Row& record, const BandSelection& band,
                std::set<long>& locations) {
    FileRow row;
    row.line = record.line;
    FileRow::Written& w = row.written;
    w.location = columns.get(record, "Location");
    w.name = columns.get(record, "Name");
    w.frequency = columns.get(record, "Frequency");
    w.duplex = columns.get(record, "Duplex");
    w.offset = columns.get(record, "Offset");
    w.tone = columns.get(record, "Tone");
    w.crossMode = columns.get(record, "CrossMode");
    w.mode = columns.get(record, "Mode");
    row.location = LocationNumber(w.location);
    try {
        if (!row.location) {
            throw RowFault{RowProblem::BadLocation, w.location};
        }
        if (!locations.insert(*row.location).second) {
            row.location.reset();
            throw RowFault{RowProblem::DuplicateLocation, w.location};
        }
        row.channel = ChannelOf(columns, record, w, band, row.moved);
    } catch (const RowFault& fault) {
        row.fault = fault;
        row.moved = 0;
    }
    return row;
}

}  // namespace

std::optional<long> LocationNumber(std::string_view text) {
    const std::size_t digits = std::to_string(kLargestLocation).size();
    if (text.empty() || text.size() > digits ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::stol(std::string(text));
}

int FileReading::usableCount() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const FileRow& r) { return r.usable(); }));
}

bool FileReading::keepsLocations() const {
    return std::all_of(rows.begin(), rows.end(), [](const FileRow& r) {
        return !r.usable() || Channels::IsValidNumber(static_cast<int>(*r.location));
    });
}

FileReading ReadFile(std::string_view csv, const BandSelection& band) {
    FileReading reading;
    std::vector<Csv::Row> records;
    int badLine = 0;
    if (!Csv::Parse(csv, records, badLine)) {
        reading.fault = FileFault{FileProblem::UnclosedQuote, badLine, {}};
        return reading;
    }
    if (records.empty()) {
        reading.fault = FileFault{FileProblem::NoHeader, 1, {}};
        return reading;
    }
    const ColumnReader columns(records.front().fields);
    if (!columns.duplicate().empty()) {
        reading.fault =
            FileFault{FileProblem::DuplicateColumn, records.front().line, columns.duplicate()};
        return reading;
    }
    if (!columns.has("Location") || !columns.has("Frequency")) {
        reading.fault = FileFault{FileProblem::NoHeader, records.front().line, {}};
        return reading;
    }
    std::set<long> locations;
    reading.rows.reserve(records.size() - 1);
    for (std::size_t i = 1; i < records.size(); ++i) {
        reading.rows.push_back(ReadRow(columns, records[i], band, locations));
    }
    return reading;
}

}  // namespace kvd::CsvExchange

#include "channels/CsvRowCells.h"

#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"

namespace kvd::CsvExchange {

namespace {

std::string Joined(const std::string& a, const std::string& b) {
    return a.empty() || b.empty() ? a + b : a + " " + b;
}

}  // namespace

RowCells CellsOf(const FileRow& row, const BandSelection& band, LanguageId language) {
    RowCells cells;
    cells.location = row.written.location;
    cells.name = row.written.name;
    cells.verdict = RowVerdict(row, band, language);
    if (const std::optional<Channel>& c = row.channel) {
        cells.frequency = FrequencyText(c->rx);
        cells.transmit = FrequencyText(c->tx);
        if (c->txTone != Tone() || c->rxTone != Tone()) {
            cells.tones = ToneText(c->txTone, language) + " -> " + ToneText(c->rxTone, language);
        }
        cells.mode = c->bandwidth == Bandwidth::Narrow ? "NFM" : "FM";
        return cells;
    }
    const FileRow::Written& w = row.written;
    cells.frequency = w.frequency;
    cells.transmit = Joined(w.duplex, w.offset);
    const bool cross = w.tone.size() == 5 && (w.tone[0] | 0x20) == 'c';  // "Cross", any case
    cells.tones = cross ? Joined(w.tone, w.crossMode) : w.tone;
    cells.mode = w.mode;
    return cells;
}

}  // namespace kvd::CsvExchange

// CSV import of arbitrary text: it never crashes; every row gets exactly one verdict and
// every message is short, one line, in both languages; a usable row lies in the band with
// its frequencies on the raster; the default choice takes the first sixteen usable rows,
// and what it places comes back unchanged through export and a second reading. The second
// input byte's high bits pick a list of Locations, so chosen lists are exercised too.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "channels/BandTable.h"
#include "channels/CellEditRules.h"
#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvRowCells.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
#include "image/RadioState.h"

namespace {

using namespace kvd;

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A field a message quotes takes at most 40 characters of four bytes each ("\xFF").
constexpr std::size_t kLongestQuote = 2 + 40 * 4 + 3;

void RequireShortLine(const std::string& message, std::size_t quotes) {
    Require(!message.empty() && message.size() < 100 + quotes * kLongestQuote);
    Require(message.find('\n') == std::string::npos);
}

void CheckRow(const CsvExchange::FileRow& row, const BandSelection& band) {
    Require(row.usable() != row.fault.has_value());
    Require(row.moved >= 0 && row.moved <= 2);
    for (LanguageId shown : {kChinese, kEnglish}) {
        RequireShortLine(CsvExchange::RowName(row, shown), 1);
        RequireShortLine(CsvExchange::RowVerdict(row, band, shown), 1);
        CsvExchange::CellsOf(row, band, shown);
    }
    if (!row.usable()) {
        return;
    }
    Require(row.location.has_value());
    for (const std::optional<Frequency>& frequency :
         {std::optional(row.channel->rx), row.channel->tx}) {
        if (frequency) {
            const std::string text = FrequencyText(*frequency);
            Require(CellEditRules::CheckFrequency(text, band).snapped == *frequency);
        }
    }
}

// Lists of Locations the fuzzer tries beside the default choice.
constexpr const char* kLists[] = {"0-16", "1-8,12,20-22", "1", "3-1", "x"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    RadioState state = StartupState(data[0] & 1 ? kEnglish : kChinese);
    state.band.TakeBand(data[1] % BandTable::kCount);
    const std::string_view csv(reinterpret_cast<const char*>(data + 2), size - 2);

    const CsvExchange::FileReading reading = CsvExchange::ReadFile(csv, state.band);
    if (reading.fault) {
        Require(reading.rows.empty());
        for (LanguageId shown : {kChinese, kEnglish}) {
            RequireShortLine(CsvExchange::FileFaultMessage(*reading.fault, shown), 1);
        }
        return 0;
    }
    for (const CsvExchange::FileRow& row : reading.rows) {
        CheckRow(row, state.band);
    }

    CsvExchange::RowChoice choice(reading);
    const int usable = reading.usableCount();
    Require(choice.count() == std::min(usable, Channels::kCount));
    for (std::size_t row = 0, seen = 0; row < reading.rows.size(); ++row) {
        const bool firstSixteen = reading.rows[row].usable() && seen++ < Channels::kCount;
        Require(choice.isChosen(row) == firstSixteen);
    }
    const std::size_t list = (data[1] / BandTable::kCount) % (std::size(kLists) + 1);
    if (list > 0 && CsvExchange::ChooseByLocations(choice, reading, kLists[list - 1]).empty()) {
        Require(choice.count() > 0 && choice.count() <= Channels::kCount);
    }

    const CsvExchange::Placement placement = choice.place();
    Require(placement.imported == choice.count());
    const CsvExchange::FileReading again =
        CsvExchange::ReadFile(CsvExchange::Export(placement.channels), state.band);
    Require(!again.fault && again.keepsLocations());
    Require(again.usableCount() == placement.imported &&
            static_cast<int>(again.rows.size()) == placement.imported);
    const CsvExchange::Placement replaced = CsvExchange::RowChoice(again).place();
    Require(replaced.moved == 0 && replaced.channels == placement.channels);
    return 0;
}

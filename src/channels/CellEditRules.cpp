#include "channels/CellEditRules.h"

#include <array>

#include "channels/BandSelection.h"
#include "channels/ChannelTable.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "image/Raster.h"

namespace kvd::CellEditRules {

namespace {

using Col = ChannelTable::Column;

constexpr double kLowestTone = 67.0;
constexpr double kHighestTone = 254.1;

// A new channel's cells beside its frequencies, with their list positions.
struct Default {
    int column;
    int position;
};
constexpr std::array<Default, 6> kNewChannel = {{
    {Col::kRxTone, 0},
    {Col::kTxTone, 0},
    {Col::kPower, 0},
    {Col::kBusyLock, 1},
    {Col::kBandwidth, 1},
    {Col::kScanAdd, 1},
}};

void FillNewChannel(ChannelTable& table, int row, const std::string& frequency,
                    LanguageId language) {
    table.setCell(row, Col::kTxFrequency, frequency);
    for (const Default& d : kNewChannel) {
        bool tone = d.column == Col::kRxTone || d.column == Col::kTxTone;
        table.setCell(row, d.column,
                      tone ? ToneList::Text(d.position, language)
                           : ChoiceLists::Text(d.column, d.position, language));
        table.setChoiceIndex(row, d.column, static_cast<std::int16_t>(d.position));
    }
}

// The digits and point at the start of a text ("88.5" of "88.5.3").
std::string LeadingNumberText(const std::string& text) {
    std::size_t end = 0;
    bool point = false;
    while (end < text.size() &&
           ((text[end] >= '0' && text[end] <= '9') || (text[end] == '.' && !point))) {
        point = point || text[end] == '.';
        ++end;
    }
    return text.substr(0, end);
}

}  // namespace

Editor EditorFor(int column) {
    switch (column) {
        case Col::kRxFrequency:
        case Col::kTxFrequency:
            return Editor::Frequency;
        case Col::kRxTone:
        case Col::kTxTone:
            return Editor::Tone;
        case Col::kPower:
        case Col::kBusyLock:
        case Col::kBandwidth:
        case Col::kScanAdd:
            return Editor::Choice;
        default:
            return Editor::None;
    }
}

int ColumnToOpen(const ChannelTable& table, int row, int column) {
    return table.hasChannel(row) ? column : static_cast<int>(Col::kRxFrequency);
}

bool IsEditorKey(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == U'.' || key == U'\b';
}

CheckedFrequency CheckFrequency(const std::string& text, const BandSelection& band) {
    std::optional<std::string> rounded = RoundDecimalText(text, 5);
    if (!rounded) {
        return {FrequencyCommit::Unchanged, {}};
    }
    // The band check looks at the rounded value, so a text just below the upper limit cannot
    // round onto it.
    double value = LeadingNumber(*rounded);
    if (value < band.BandLowMHz || value >= band.BandHighMHz) {
        return {FrequencyCommit::OutOfBand, {}};
    }
    return {FrequencyCommit::Written, SnapFrequencyText(*rounded)};
}

FrequencyCommit CommitFrequency(ChannelTable& table, const BandSelection& band, int row, int column,
                                const std::string& text, LanguageId language) {
    if (text.empty()) {
        if (column == Col::kRxFrequency) {
            table.ClearNO(row);
            return FrequencyCommit::Deleted;
        }
        return FrequencyCommit::Unchanged;
    }
    CheckedFrequency checked = CheckFrequency(text, band);
    if (checked.status != FrequencyCommit::Written) {
        return checked.status;
    }
    const std::string& snapped = checked.snapped;
    bool newChannel = column == Col::kRxFrequency && table.cell(row, Col::kTxFrequency).empty();
    table.setCell(row, column, snapped);
    if (newChannel) {
        FillNewChannel(table, row, snapped, language);
    }
    return FrequencyCommit::Written;
}

void PickTone(ChannelTable& table, int row, int column, int position, LanguageId language) {
    table.setCell(row, column, ToneList::Text(position, language));
    table.setChoiceIndex(row, column, static_cast<std::int16_t>(position));
}

void PickChoice(ChannelTable& table, int row, int column, int position, LanguageId language) {
    table.setCell(row, column, ChoiceLists::Text(column, position, language));
    table.setChoiceIndex(row, column, static_cast<std::int16_t>(position));
}

void CommitTone(ChannelTable& table, int row, int column, const std::string& text,
                int selectedPosition, LanguageId language) {
    if ((!text.empty() && text.front() == 'D') || selectedPosition == 0) {
        return;  // a pick has already been committed
    }
    double value = LeadingNumber(text);
    std::optional<std::string> oneDecimal = RoundDecimalText(LeadingNumberText(text), 1);
    if (value < kLowestTone || value > kHighestTone || !oneDecimal) {
        table.setCell(row, column, ToneList::Text(table.choiceIndex(row, column), language));
        return;
    }
    table.setCell(row, column, *oneDecimal);
}

}  // namespace kvd::CellEditRules

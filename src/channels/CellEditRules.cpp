#include "channels/CellEditRules.h"

#include "channels/BandSelection.h"
#include "channels/ChannelCells.h"
#include "channels/Raster.h"
#include "channels/ToneList.h"

namespace kvd::CellEditRules {

namespace {

using namespace ChannelCells;

constexpr double kLowestTone = 67.0;
constexpr double kHighestTone = 254.1;
constexpr std::uint64_t kTensPerMHz = 100000;

// The digits and point at the start of a text ("88.5" of "88.5.3").
std::string_view LeadingNumberText(std::string_view text) {
    std::size_t end = 0;
    bool point = false;
    while (end < text.size() &&
           ((text[end] >= '0' && text[end] <= '9') || (text[end] == '.' && !point))) {
        point = point || text[end] == '.';
        ++end;
    }
    return text.substr(0, end);
}

// The digits of a rounded decimal text as one number: "145.53000" gives 14553000.
std::optional<std::uint64_t> DigitsOf(const std::string& rounded) {
    std::uint64_t value = 0;
    int digits = 0;
    for (char c : rounded) {
        if (c == '.') {
            continue;
        }
        if (++digits > 15) {
            return std::nullopt;  // far beyond any band
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

}  // namespace

Editor EditorFor(int column) {
    switch (column) {
        case kRxFrequency:
        case kTxFrequency:
            return Editor::Frequency;
        case kRxTone:
        case kTxTone:
            return Editor::Tone;
        case kPower:
        case kBusyLock:
        case kBandwidth:
        case kScanAdd:
            return Editor::Choice;
        default:
            return Editor::None;
    }
}

int ColumnToOpen(const Channels& channels, int row, int column) {
    return channels.has(row) ? column : static_cast<int>(kRxFrequency);
}

bool IsEditorKey(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == U'.' || key == U'\b';
}

CheckedFrequency CheckFrequency(std::string_view text, const BandSelection& band) {
    const std::optional<std::string> rounded = RoundDecimalText(text, 5);
    if (!rounded) {
        return {FrequencyCommit::Unchanged, {}};
    }
    // The band check looks at the rounded value, so a text just below the upper limit cannot
    // round onto it.
    const std::optional<std::uint64_t> tens = DigitsOf(*rounded);
    if (!tens || *tens < kTensPerMHz * static_cast<std::uint64_t>(band.BandLowMHz) ||
        *tens >= kTensPerMHz * static_cast<std::uint64_t>(band.BandHighMHz)) {
        return {FrequencyCommit::OutOfBand, {}};
    }
    return {FrequencyCommit::Written,
            Frequency::FromTens(SnapToRaster(static_cast<std::uint32_t>(*tens)))};
}

FrequencyCommit CommitFrequency(Channels& channels, const BandSelection& band, int row, int column,
                                std::string_view text) {
    if (!Channels::IsValidNumber(row) || EditorFor(column) != Editor::Frequency) {
        return FrequencyCommit::Unchanged;
    }
    std::optional<Channel>& channel = channels[row];
    if (text.empty()) {
        if (column == kRxFrequency) {
            channels.erase(row);
            return FrequencyCommit::Deleted;
        }
        return FrequencyCommit::Unchanged;
    }
    const CheckedFrequency checked = CheckFrequency(text, band);
    if (checked.status != FrequencyCommit::Written) {
        return checked.status;
    }
    if (column == kRxFrequency && !(channel && channel->tx)) {
        channel = Channel{};  // the defaults of a new channel
        channel->rx = checked.snapped;
        channel->tx = checked.snapped;
    } else if (column == kRxFrequency) {
        channel->rx = checked.snapped;
    } else if (channel) {
        channel->tx = checked.snapped;
    } else {
        return FrequencyCommit::Unchanged;  // a transmit frequency needs a channel
    }
    return FrequencyCommit::Written;
}

void PickTone(Channels& channels, int row, int column, int position) {
    if (channels.has(row) && EditorFor(column) == Editor::Tone) {
        ToneOf(*channels[row], column) = ToneList::At(position);
    }
}

void PickChoice(Channels& channels, int row, int column, int position) {
    if (channels.has(row)) {
        SetChoice(*channels[row], column, position);
    }
}

void CommitTone(Channels& channels, int row, int column, std::string_view text,
                int selectedPosition) {
    if ((!text.empty() && text.front() == 'D') || selectedPosition == 0) {
        return;  // a pick has already been committed
    }
    const double value = LeadingNumber(text);
    const std::optional<std::string> oneDecimal = RoundDecimalText(LeadingNumberText(text), 1);
    if (value < kLowestTone || value > kHighestTone || !oneDecimal || !channels.has(row) ||
        EditorFor(column) != Editor::Tone) {
        return;
    }
    ToneOf(*channels[row], column) =
        Tone::Ctcss(static_cast<std::uint16_t>(*DigitsOf(*oneDecimal)));
}

}  // namespace kvd::CellEditRules

#include "channels/ChannelCells.h"

#include <cstdio>

#include "channels/ChoiceLists.h"

namespace kvd::ChannelCells {

std::string Text(const Channels& channels, int number, int column, LanguageId language) {
    if (!Channels::IsValidNumber(number)) {
        return {};
    }
    if (column == kNumber) {
        char text[4];
        std::snprintf(text, sizeof text, "%02d", number);
        return text;
    }
    const std::optional<Channel>& channel = channels[number];
    if (!channel) {
        return {};
    }
    switch (column) {
        case kRxFrequency:
            return FrequencyText(channel->rx);
        case kTxFrequency:
            return FrequencyText(channel->tx);
        case kRxTone:
            return ToneText(channel->rxTone, language);
        case kTxTone:
            // A channel that only receives shows no transmit tone unless it has one.
            if (!channel->tx && channel->txTone.kind() == Tone::Kind::None) {
                return {};
            }
            return ToneText(channel->txTone, language);
        default:
            return ChoiceLists::Text(column, ChoicePosition(*channel, column), language);
    }
}

int ChoicePosition(const Channel& c, int column) {
    switch (column) {
        case kPower:
            return static_cast<int>(c.power);
        case kBusyLock:
            return static_cast<int>(c.busyLock);
        case kBandwidth:
            return static_cast<int>(c.bandwidth);
        case kScanAdd:
            return static_cast<int>(c.scanAdd);
        default:
            return -1;
    }
}

void SetChoice(Channel& c, int column, int position) {
    if (position < 0 || position >= ChoiceLists::kItems) {
        return;
    }
    const bool second = position == 1;
    switch (column) {
        case kPower:
            c.power = second ? Power::High : Power::Low;
            break;
        case kBusyLock:
            c.busyLock = second ? BusyLock::Off : BusyLock::Carrier;
            break;
        case kBandwidth:
            c.bandwidth = second ? Bandwidth::Wide : Bandwidth::Narrow;
            break;
        case kScanAdd:
            c.scanAdd = second ? ScanAdd::Yes : ScanAdd::No;
            break;
        default:
            break;
    }
}

Tone& ToneOf(Channel& channel, int column) {
    return column == kTxTone ? channel.txTone : channel.rxTone;
}

Tone ToneOf(const Channel& channel, int column) {
    return column == kTxTone ? channel.txTone : channel.rxTone;
}

}  // namespace kvd::ChannelCells

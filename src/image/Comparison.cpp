#include "image/Comparison.h"

#include "channels/ChannelCells.h"
#include "image/RadioState.h"

namespace kvd {

namespace Cells = ChannelCells;

FieldValue ChannelValue(const Channels& channels, int number, int column) {
    const std::optional<Channel>& c = channels[number];
    if (!c) {
        return {};
    }
    switch (column) {
        case Cells::kRxFrequency:
            return c->rx;
        case Cells::kTxFrequency:
            return c->tx ? FieldValue(*c->tx) : FieldValue();
        case Cells::kRxTone:
            return c->rxTone;
        case Cells::kTxTone:
            return !c->tx && c->txTone.kind() == Tone::Kind::None ? FieldValue()
                                                                  : FieldValue(c->txTone);
        case Cells::kPower:
            return c->power;
        case Cells::kBusyLock:
            return c->busyLock;
        case Cells::kBandwidth:
            return c->bandwidth;
        case Cells::kScanAdd:
            return c->scanAdd;
        default:
            return {};
    }
}

namespace {

// A scan delay never entered is written as 0, so a radio cannot tell the two apart.
FieldValue AsWritten(const FieldTable::Field& field, const FieldValue& value) {
    const bool optionalNumber =
        std::holds_alternative<std::optional<std::int16_t> Settings::*>(field.member);
    return optionalNumber && std::holds_alternative<std::monostate>(value) ? FieldValue(0) : value;
}

}  // namespace

Differences Compare(const RadioState& ours, const RadioState& theirs) {
    Differences out;
    for (int number = 1; number <= Channels::kCount; ++number) {
        if (ours.channels[number] == theirs.channels[number]) {
            continue;
        }
        for (int column = Cells::kRxFrequency; column <= Cells::kScanAdd; ++column) {
            FieldValue a = ChannelValue(ours.channels, number, column);
            FieldValue b = ChannelValue(theirs.channels, number, column);
            if (a != b) {
                out.push_back({{number, column, nullptr, 0}, std::move(a), std::move(b)});
            }
        }
    }
    for (const FieldTable::Field& field : FieldTable::All()) {
        for (int element = 0; element < field.count; ++element) {
            FieldValue a = SettingValue(field, ours, element);
            FieldValue b = SettingValue(field, theirs, element);
            if (AsWritten(field, a) != AsWritten(field, b)) {
                out.push_back({{0, 0, &field, element}, std::move(a), std::move(b)});
            }
        }
    }
    return out;
}

}  // namespace kvd

#include "channels/BandSelection.h"

#include "channels/BandTable.h"
#include "channels/Channel.h"

namespace kvd {

void BandSelection::ListOpened() {
    CurrentBand = static_cast<std::int16_t>(position_);
    SuppressBandPrompt = false;
}

void BandSelection::applyLimits() {
    BandLowMHz = static_cast<std::int16_t>(BandTable::LowMHz(position_));
    BandHighMHz = static_cast<std::int16_t>(BandTable::HighMHz(position_));
}

void BandSelection::Select(int position, Channels& channels, const ConfirmClear& confirm) {
    if (!BandTable::IsValidPosition(position)) {
        return;
    }
    position_ = position;
    applyLimits();
    if (!SuppressBandPrompt && position != CurrentBand) {
        if (!confirm || !confirm()) {
            SuppressBandPrompt = true;
            Select(CurrentBand, channels, confirm);
        } else {
            channels.clear();
        }
    }
    SuppressBandPrompt = true;
}

void BandSelection::TakeBand(int position) {
    if (!BandTable::IsValidPosition(position)) {
        return;
    }
    CurrentBand = static_cast<std::int16_t>(position);
    position_ = position;
    applyLimits();
    SuppressBandPrompt = true;
}

}  // namespace kvd

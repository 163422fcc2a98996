#pragma once

#include <cstdint>
#include <functional>

namespace kvd {

class Channels;

// The band list's state and its change handling. The list position is what the encoder
// writes as band code; CurrentBand is the band in force before the user's change.
class BandSelection {
public:
    // Asked when the user changes the band from the opened list; true means OK.
    using ConfirmClear = std::function<bool()>;

    int position() const { return position_; }

    // The user opened the drop-down list.
    void ListOpened();

    // The selection changed, by the user or by program code. Asks only while the prompt is
    // not suppressed and the position differs from CurrentBand; OK deletes every channel,
    // anything else selects CurrentBand again.
    void Select(int position, Channels& channels, const ConfirmClear& confirm);

    // Program code taking the band from a radio or a file: never asks, never clears.
    void TakeBand(int position);

    std::int16_t CurrentBand = 0;
    bool SuppressBandPrompt = false;
    std::int16_t BandLowMHz = 0;
    std::int16_t BandHighMHz = 0;

    bool operator==(const BandSelection&) const = default;

private:
    void applyLimits();

    int position_ = 0;
};

}  // namespace kvd

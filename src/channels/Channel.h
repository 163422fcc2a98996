#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "channels/Frequency.h"
#include "channels/Tone.h"

namespace kvd {

// The choices of a channel, by their position in the table's two-item lists.
enum class Power : std::uint8_t { Low, High };
enum class BusyLock : std::uint8_t { Carrier, Off };  // transmit locked on a busy channel
enum class Bandwidth : std::uint8_t { Narrow, Wide };
enum class ScanAdd : std::uint8_t { No, Yes };

// One programmed channel. The member defaults are what a channel typed into an empty row
// gets beside its frequency.
struct Channel {
    Frequency rx;
    std::optional<Frequency> tx;  // none: the channel only receives
    Tone rxTone;
    Tone txTone;
    Power power = Power::Low;
    BusyLock busyLock = BusyLock::Off;
    Bandwidth bandwidth = Bandwidth::Wide;
    ScanAdd scanAdd = ScanAdd::Yes;

    bool operator==(const Channel&) const = default;
};

// The radio's sixteen channels by number 1..16; an empty slot is no channel.
class Channels {
public:
    static constexpr int kCount = 16;

    static constexpr bool IsValidNumber(int number) { return number >= 1 && number <= kCount; }

    // Preconditions: a valid number.
    std::optional<Channel>& operator[](int number) { return slots_[number - 1]; }
    const std::optional<Channel>& operator[](int number) const { return slots_[number - 1]; }

    // A channel exists exactly when it has a receive frequency; false for invalid numbers.
    bool has(int number) const { return IsValidNumber(number) && slots_[number - 1].has_value(); }
    // Deletes one channel; an invalid number changes nothing.
    void erase(int number) {
        if (IsValidNumber(number)) {
            slots_[number - 1].reset();
        }
    }
    void clear() { slots_ = {}; }

    bool operator==(const Channels&) const = default;

private:
    std::array<std::optional<Channel>, kCount> slots_;
};

}  // namespace kvd

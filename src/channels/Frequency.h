#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvd {

// A frequency as the radio holds it: eight decimal digits in units of 10 Hz, so 000.00000 up
// to 999.99999 MHz, every five-decimal text and the 6.25 kHz raster exact. A radio may hold
// digits that are no decimal digits (nibbles A..F); such a frequency keeps its packed digits
// as they are, so that any image survives decoding and encoding.
class Frequency {
public:
    static constexpr std::uint32_t kLimit = 100'000'000;  // tens of Hz: 1000 MHz

    constexpr Frequency() = default;
    // In units of 10 Hz; precondition tens < kLimit.
    static constexpr Frequency FromTens(std::uint32_t tens) { return Frequency(tens, 0); }
    // Eight packed digits, the least significant pair in the low byte (FF FF FF FF is the
    // image's "no frequency" and belongs to the caller).
    static Frequency FromPacked(std::uint32_t packed);

    // False when a digit is no decimal digit; tens() is then 0.
    bool isDecimal() const { return undecimal_ == 0; }
    std::uint32_t tens() const { return tens_; }
    std::uint32_t packed() const;

    bool operator==(const Frequency&) const = default;

private:
    constexpr Frequency(std::uint32_t tens, std::uint32_t undecimal)
        : tens_(tens), undecimal_(undecimal) {}

    std::uint32_t tens_ = 0;
    std::uint32_t undecimal_ = 0;  // the packed digits when one is no decimal digit, else 0
};

// "462.56250": three digits of MHz, a point, five decimals; other digits as they stand
// ("1A2.3B4C5").
std::string FrequencyText(Frequency frequency);
std::string FrequencyText(const std::optional<Frequency>& frequency);  // empty for none

// The text form above read back, hexadecimal digits included; nullopt for any other text.
std::optional<Frequency> ParseFrequencyText(std::string_view text);

}  // namespace kvd

#include "channels/Frequency.h"

#include <array>

namespace kvd {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

namespace {

// A byte of two packed digits by its value 0..99, and back (0xFF: a digit is no decimal one).
constexpr auto kPackedPairs = [] {
    std::array<std::uint8_t, 100> pairs{};
    for (int value = 0; value < 100; ++value) {
        pairs[value] = static_cast<std::uint8_t>(value / 10 << 4 | value % 10);
    }
    return pairs;
}();
constexpr auto kPairValues = [] {
    std::array<std::uint8_t, 256> values{};
    for (int byte = 0; byte < 256; ++byte) {
        const int high = byte >> 4, low = byte & 0xF;
        values[byte] = static_cast<std::uint8_t>(high > 9 || low > 9 ? 0xFF : high * 10 + low);
    }
    return values;
}();

}  // namespace

Frequency Frequency::FromPacked(std::uint32_t packed) {
    std::uint32_t tens = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const std::uint8_t pair = kPairValues[(packed >> shift) & 0xFF];
        if (pair == 0xFF) {
            return Frequency(0, packed);
        }
        tens = tens * 100 + pair;
    }
    return Frequency(tens, 0);
}

std::uint32_t Frequency::packed() const {
    if (undecimal_ != 0) {
        return undecimal_;
    }
    const std::uint32_t low = tens_ % 10000, high = tens_ / 10000;
    return std::uint32_t{kPackedPairs[low % 100]} | std::uint32_t{kPackedPairs[low / 100]} << 8 |
           std::uint32_t{kPackedPairs[high % 100]} << 16 |
           std::uint32_t{kPackedPairs[high / 100 % 100]} << 24;
}

std::string FrequencyText(Frequency frequency) {
    const std::uint32_t packed = frequency.packed();
    std::string text(9, '.');
    for (int i = 0, shift = 28; shift >= 0; shift -= 4) {
        text[i++] = kDigits[(packed >> shift) & 0xF];
        i += i == 3 ? 1 : 0;
    }
    return text;
}

std::string FrequencyText(const std::optional<Frequency>& frequency) {
    return frequency ? FrequencyText(*frequency) : std::string();
}

std::optional<Frequency> ParseFrequencyText(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') {
        return std::nullopt;
    }
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 3) {
            continue;
        }
        const int digit = DigitValue(text[i]);
        if (digit < 0) {
            return std::nullopt;
        }
        packed = packed << 4 | static_cast<std::uint32_t>(digit);
    }
    if (packed == 0xFFFFFFFF) {
        return std::nullopt;  // the image's "no frequency"
    }
    return Frequency::FromPacked(packed);
}

}  // namespace kvd

#include "channels/Frequency.h"

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

Frequency Frequency::FromPacked(std::uint32_t packed) {
    std::uint32_t tens = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const std::uint32_t high = (packed >> (shift + 4)) & 0xF;
        const std::uint32_t low = (packed >> shift) & 0xF;
        if (high > 9 || low > 9) {
            return Frequency(0, packed);
        }
        tens = tens * 100 + high * 10 + low;
    }
    return Frequency(tens, 0);
}

std::uint32_t Frequency::packed() const {
    if (undecimal_ != 0) {
        return undecimal_;
    }
    std::uint32_t packed = 0;
    std::uint32_t rest = tens_;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t pair = rest % 100;
        rest /= 100;
        packed |= ((pair / 10) << 4 | pair % 10) << shift;
    }
    return packed;
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

#include "channels/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kvd {

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        number += text[i++];
    }
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
    }
    if (!digits) {
        return 0.0;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::uint32_t SnapToRaster(std::uint32_t tens) {
    const std::uint32_t below100kHz = tens % 10000;
    const std::uint32_t off5kHz = below100kHz % 500;
    const std::uint32_t off6k25Hz = below100kHz % 625;
    if (off5kHz == 0 || off6k25Hz == 0) {
        return tens;
    }
    return tens - (off6k25Hz <= off5kHz ? off6k25Hz : off5kHz);
}

std::optional<std::string> RoundDecimalText(std::string_view text, int decimals) {
    std::size_t point = text.find('.');
    std::string whole(text.substr(0, point));
    std::string fraction =
        point == std::string_view::npos ? "" : std::string(text.substr(point + 1));
    auto allDigits = [](const std::string& s) {
        return s.find_first_not_of("0123456789") == std::string::npos;
    };
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    bool roundUp =
        fraction.size() > static_cast<std::size_t>(decimals) && fraction[decimals] >= '5';
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    std::string digits = (whole.empty() ? "0" : whole) + fraction;
    for (std::size_t i = digits.size(); roundUp && i-- > 0;) {
        roundUp = digits[i] == '9';
        digits[i] = roundUp ? '0' : static_cast<char>(digits[i] + 1);
    }
    if (roundUp) {
        digits.insert(digits.begin(), '1');
    }
    std::size_t wholeLength = digits.size() - static_cast<std::size_t>(decimals);
    std::size_t firstSignificant = std::min(digits.find_first_not_of('0'), wholeLength - 1);
    std::string result = digits.substr(firstSignificant, wholeLength - firstSignificant);
    if (decimals > 0) {
        result += "." + digits.substr(wholeLength);
    }
    return result;
}

double FloatRemainder(double step, double value) {
    if (value < step) {
        return value;
    }
    double quotient = value / step;
    char rendered[64];
    std::snprintf(rendered, sizeof rendered, "%.15g", quotient);
    if (std::strchr(rendered, '.') == nullptr) {
        return 0.0;
    }
    // Smallest whole i >= 1 with value - i * step < step; the floor is at most a step or
    // two off through rounding, so a few corrections suffice.
    double i = std::max(1.0, std::floor(quotient));
    for (int k = 0; k < 4 && value - i * step >= step; ++k) {
        i += 1.0;
    }
    for (int k = 0; k < 4 && i > 1.0 && value - (i - 1.0) * step < step; ++k) {
        i -= 1.0;
    }
    return value - i * step;
}

}  // namespace kvd

#include "image/Raster.h"

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

double SnapFrequency(std::string_view text) {
    double value = LeadingNumber(text);
    if (text.size() < 4) {
        return value;
    }
    std::string_view tail = text.substr(text.size() - 4);
    int n = 0;
    for (char c : tail) {
        if (c < '0' || c > '9') {
            return value;
        }
        n = n * 10 + (c - '0');
    }
    int a = n % 500;
    int b = n % 625;
    if (a == 0 || b == 0) {
        return value;
    }
    n -= (b <= a) ? b : a;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", n);
    std::string snapped(text.substr(0, text.size() - 4));
    snapped += digits;
    return LeadingNumber(snapped);
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

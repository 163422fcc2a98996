#include "channels/DebugFrequencyRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "channels/Raster.h"

namespace kvd::DebugFrequencyRules {

namespace {

constexpr double k5kHz = 0.005;
constexpr double k6k25Hz = 0.00625;
constexpr double kBeyondImage = 1000.0;  // eight digits of 10 Hz end below 1000 MHz

// Three integer digits, so that the encoder, which takes the digits by position, stores
// the value shown.
std::optional<std::string> FrequencyText(double mhz) {
    if (!std::isfinite(mhz) || mhz >= kBeyondImage) {
        return std::nullopt;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%09.5f", std::max(mhz, 0.0));
    return std::string(buffer);
}

}  // namespace

bool CanEditTransmit(const std::string& receive) {
    return !receive.empty();
}

std::optional<std::string> SnapReceive(const std::string& typed) {
    if (typed.empty()) {
        return std::string();
    }
    double f = LeadingNumber(typed);
    double r5 = FloatRemainder(k5kHz, f);
    double r6 = FloatRemainder(k6k25Hz, f);
    return FrequencyText(r5 >= r6 ? f - r6 : f - r5);
}

std::optional<std::string> SnapTransmit(const std::string& typed, const std::string& receive) {
    if (typed.empty()) {
        return receive;
    }
    double step = FloatRemainder(k6k25Hz, LeadingNumber(receive)) == 0 ? k6k25Hz : k5kHz;
    double t = LeadingNumber(typed);
    return FrequencyText(t - FloatRemainder(step, t));
}

}  // namespace kvd::DebugFrequencyRules

#include "channels/DebugFrequencyRules.h"

#include <cstdio>

#include "image/Raster.h"

namespace kvd::DebugFrequencyRules {

namespace {

constexpr double k5kHz = 0.005;
constexpr double k6k25Hz = 0.00625;

std::string FiveDecimals(double mhz) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.5f", mhz);
    return buffer;
}

}  // namespace

bool CanEditTransmit(const std::string& receive) { return !receive.empty(); }

std::string SnapReceive(const std::string& typed) {
    if (typed.empty()) {
        return {};
    }
    double f = LeadingNumber(typed);
    double r5 = FloatRemainder(k5kHz, f);
    double r6 = FloatRemainder(k6k25Hz, f);
    return FiveDecimals(r5 >= r6 ? f - r6 : f - r5);
}

std::string SnapTransmit(const std::string& typed, const std::string& receive) {
    if (typed.empty()) {
        return receive;
    }
    double step = FloatRemainder(k6k25Hz, LeadingNumber(receive)) == 0 ? k6k25Hz : k5kHz;
    double t = LeadingNumber(typed);
    return FiveDecimals(t - FloatRemainder(step, t));
}

}  // namespace kvd::DebugFrequencyRules

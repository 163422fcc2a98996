#include "settings/DebugAccessGesture.h"

#include <algorithm>
#include <cmath>

namespace kvd {

bool DebugAccessGesture::CaptionClicked(int caption, double now) {
    if (caption < 0 || caption >= kCaptions) {
        return false;
    }
    bool anyArmed = std::any_of(armed_.begin(), armed_.end(), [](bool a) { return a; });
    if (!anyArmed) {
        start_ = std::round(now);
    }
    if (now - start_ > kWindowSeconds) {
        // Too late: this click starts a new attempt.
        armed_ = {};
        armed_[caption] = true;
        start_ = std::round(now);
        return false;
    }
    armed_[caption] = true;
    if (std::all_of(armed_.begin(), armed_.end(), [](bool a) { return a; })) {
        done_ = true;
    }
    return done_;
}

bool DebugAccessGesture::HiddenButtonClicked(double now) {
    if (lastHiddenClick_ != 0 && now - lastHiddenClick_ < kDoubleClickSeconds) {
        lastHiddenClick_ = 0;
        return true;
    }
    lastHiddenClick_ = std::round(now);
    return false;
}

void DebugAccessGesture::Reset() {
    done_ = false;
    armed_ = {};
}

}  // namespace kvd

#pragma once

#include <array>

namespace kvd {

// The hidden gesture that grants debug access (three captions clicked within five seconds)
// and the hidden toolbar button that withdraws it (two clicks less than a second apart).
// Times are seconds on a clock that only moves forward; the caller supplies them so tests
// can play exact timings.
class DebugAccessGesture {
public:
    static constexpr int kCaptions = 3;
    static constexpr double kWindowSeconds = 5.0;
    static constexpr double kDoubleClickSeconds = 1.0;

    // Caption k (0..2) clicked at `now`. True when the grant is to be performed (again).
    bool CaptionClicked(int caption, double now);

    // The hidden button clicked at `now`. True when access is to be withdrawn.
    bool HiddenButtonClicked(double now);

    // Forgets the gesture; part of every withdrawal.
    void Reset();

    bool done() const { return done_; }

private:
    std::array<bool, kCaptions> armed_{};
    double start_ = 0;  // whole seconds
    bool done_ = false;
    double lastHiddenClick_ = 0;  // whole seconds, 0 = none
};

}  // namespace kvd

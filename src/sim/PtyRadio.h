#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "sim/RadioSide.h"

namespace kvd::sim {

// The virtual radio's line: a pseudo-terminal whose device end the program opens. When
// paced, every byte takes 1/960 s on the line in either direction (9600 baud, 8N1), so the
// radio sees a frame only once it could have been transmitted, and its replies trickle out
// at the same speed.
class PtyRadio {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kByteTime{1'000'000'000 / 960};

    struct Line {
        bool pace = false;
        int splitSize = 0;  // replies in pieces of this many bytes, a short pause between
    };

    PtyRadio(RadioSide& radio, Line line);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Empty when the pseudo-terminal could not be made (see error()).
    const std::string& device() const { return device_; }
    const std::string& error() const { return error_; }

    // Serves the line until stop() says so; ended() is called after each conversation.
    void Serve(const std::function<bool()>& stop, const std::function<void()>& ended);

private:
    void take(std::span<const std::uint8_t> bytes, Clock::time_point readAt);
    void send(std::span<const std::uint8_t> bytes);
    void writeAll(std::span<const std::uint8_t> bytes);
    std::int64_t ms(Clock::time_point t) const;

    RadioSide& radio_;
    Line line_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the line outlives each program that uses it
    std::string device_;
    std::string error_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point rxFree_{};
    Clock::time_point txFree_{};
};

}  // namespace kvd::sim

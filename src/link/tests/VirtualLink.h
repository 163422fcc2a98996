#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "image/RadioState.h"
#include "link/LinkDriver.h"
#include "sim/RadioSide.h"

namespace kvd::test {

// The conversation against an in-process radio on a virtual clock (milliseconds). Frames
// reach the radio at once; its replies arrive after a latency, whole or in pieces. Timers
// fire at their exact deadlines; bytes due at the same moment arrive before a timer fires.
class VirtualLink : public link::LinkDriver {
public:
    explicit VirtualLink(RadioState& state);

    void connect(sim::RadioSide radio) { radio_.emplace(std::move(radio)); }
    sim::RadioSide& radio() { return *radio_; }

    // Runs the clock forward by ms, or until nothing is left to happen.
    void advance(std::int64_t ms);
    // Runs until the lock is released and no byte is on its way (at most limitMs).
    void runToEnd(std::int64_t limitMs = 120000);
    // Bytes that arrive at the current moment, from outside the radio.
    void inject(std::vector<std::uint8_t> bytes, std::int64_t delayMs = 0);

    // Set up by the test.
    bool portIsOpen = true;
    int failingFrame = -1;  // this frame (0-based, counting all written) cannot be written
    bool bandAnswer = true;
    int latencyMs = 2;
    std::size_t chunkSize = 0;  // 0: each reply in one piece
    int chunkGapMs = 1;

    // Seen by the test.
    RadioState& state;
    std::int64_t now = 0;
    struct Sent {
        std::int64_t at;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Sent> frames;
    struct Shown {
        std::int64_t at;
        link::TextId text;
        int style;
    };
    std::vector<Shown> messages;
    std::vector<std::pair<std::int64_t, link::Action>> performed;
    std::optional<link::Outcome> outcome;
    std::int64_t endedAt = -1;
    bool locked = false;
    std::int64_t releasedAt = -1;
    int maxProgress = 0;
    int readsApplied = 0;

    // Times of performed actions of one kind.
    std::vector<std::int64_t> timesOf(link::Action::Kind kind) const;
    // Addresses of the write blocks sent, in order.
    std::vector<std::uint16_t> writtenAddresses() const;

protected:
    bool portOpen() const override { return portIsOpen; }
    WriteResult writeFrame(std::span<const std::uint8_t> frame) override;
    int showMessage(link::TextId text, int style) override;
    void perform(const link::Action& action) override;

private:
    bool step(std::int64_t until);

    std::optional<sim::RadioSide> radio_;
    std::deque<std::pair<std::int64_t, std::vector<std::uint8_t>>> arrivals_;
    std::int64_t replyDeadline_ = -1;
    std::int64_t nextBlink_ = -1;
    int written_ = 0;
};

}  // namespace kvd::test

#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/RadioState.h"
#include "link/Conversation.h"
#include "sim/RadioSide.h"

namespace kvd::test {

// Plays a conversation from a stream of decision bytes: starts, the radio's replies (whole,
// in pieces, or left to wait), stray bytes, breaks, timer events, band answers, failed
// writes, debug access and band changes. After every step it checks what must always hold.
// The property test feeds it random streams, the fuzz target arbitrary ones.
class ConversationScript {
public:
    explicit ConversationScript(std::span<const std::uint8_t> decisions);

    // Runs the stream, then lets every timer run out. Gives the broken rules, if any.
    std::vector<std::string> Run();

    int conversationsEnded() const { return ended_; }
    int readsCompleted() const { return readsCompleted_; }
    int writesCompleted() const { return writesCompleted_; }

private:
    std::uint8_t next();
    void step();
    void finish();
    void apply(const link::Actions& actions);
    void check(const link::Action& action);
    void checkFrame(const std::vector<std::uint8_t>& frame);
    void checkEnded(link::Outcome outcome);
    void violation(std::string what);

    std::span<const std::uint8_t> decisions_;
    std::size_t position_ = 0;

    RadioState program_;
    int selectedBand_ = 0;
    bool debug_ = false;
    link::Conversation conversation_;
    std::optional<sim::RadioSide> radio_;
    std::deque<std::uint8_t> pending_;

    // What the actions so far say.
    bool locked_ = false;
    bool active_ = false;  // a started conversation that has not reported its end
    link::Mode mode_ = link::Mode::Read;
    int requests_ = 0;  // read requests in this conversation
    std::uint16_t lastRequest_ = 0;
    std::optional<link::Outcome> lastOutcome_;

    int ended_ = 0;
    int readsCompleted_ = 0;
    int writesCompleted_ = 0;
    std::vector<std::string> violations_;
};

}  // namespace kvd::test

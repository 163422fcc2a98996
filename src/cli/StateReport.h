#pragma once

#include <string>

namespace kvd {
struct RadioState;
}

namespace kvd::cli {

// The JSON key of a channel column 1..8 ("rx", "rx_tone", ...).
const char* ChannelKey(int column);

// The state as one JSON object (the keys other tools rely on).
std::string StateJson(const RadioState& state);
// The state as a person would like to read it, in the state's language.
std::string StateText(const RadioState& state);

}  // namespace kvd::cli

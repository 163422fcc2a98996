#pragma once

#include <functional>
#include <string>

namespace kvd {
struct RadioState;
}

namespace kvd::link {

// What a conversation asks of the program while it runs.
struct ProgramHooks {
    std::function<int()> selectedBand;         // the band list's position
    std::function<bool()> debugAccess;         // whether the calibration block is written
    std::function<std::string()> encodeImage;  // image text, called at the handshake
};

// Hooks that read a program state which outlives the conversation.
ProgramHooks HooksFor(const RadioState& state);

// Takes a completed read into the state as the program does: the image decoded, then the
// radio's band selected without the band-change question.
void ApplyRead(const std::string& imageText, int radioBand, RadioState& state);

}  // namespace kvd::link

#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "image/MemoryImage.h"
#include "settings/Language.h"

namespace kvd {
struct RadioState;
}

namespace kvd::link {

// What a conversation asks of the program while it runs.
struct ProgramHooks {
    std::function<int()> selectedBand;         // the band list's position
    std::function<bool()> debugAccess;         // whether the calibration block is written
    std::function<MemoryImage()> encodeImage;  // called at the handshake
};

// Hooks that read a program state which outlives the conversation.
ProgramHooks HooksFor(const RadioState& state);

// Takes a completed read into the state as the program does: the image decoded, then the
// radio's band selected without the band-change question.
void ApplyRead(std::span<const std::uint8_t> image, int radioBand, RadioState& state);

// What a read found, as a state of its own (a backup read's, which the program's state does
// not take): the start-up state with the read applied.
RadioState StateOfRead(std::span<const std::uint8_t> image, int radioBand, LanguageId language);

}  // namespace kvd::link

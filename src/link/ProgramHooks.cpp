#include "link/ProgramHooks.h"

#include "image/ImageCodec.h"
#include "image/RadioState.h"

namespace kvd::link {

ProgramHooks HooksFor(const RadioState& state) {
    return {
        [&state] { return state.band.position(); },
        [&state] { return state.flags.DebugAccess != 0; },
        [&state] { return EncodeImage(state); },
    };
}

void ApplyRead(std::span<const std::uint8_t> image, int radioBand, RadioState& state) {
    // The user may have opened the band list during the read, which re-arms the question.
    state.band.SuppressBandPrompt = true;
    DecodeImage(image, state);
    state.band.TakeBand(radioBand);
}

RadioState StateOfRead(std::span<const std::uint8_t> image, int radioBand, LanguageId language) {
    RadioState state = StartupState(language);
    ApplyRead(image, radioBand, state);
    return state;
}

}  // namespace kvd::link

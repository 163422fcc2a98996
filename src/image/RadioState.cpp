#include "image/RadioState.h"

#include "image/FieldTable.h"
#include "image/SettingsCodec.h"

namespace kvd {

void ApplyStartupDefaults(RadioState& state) {
    const int band = FieldTable::Band().start.number;
    state.band.CurrentBand = static_cast<std::int16_t>(band);
    state.band.Select(band, state.channels, {});
    state.settings = StartupSettings();
    state.flags.DebugAccess = 0;
}

RadioState StartupState(LanguageId language) {
    RadioState state;
    state.flags.Language = language;
    ApplyStartupDefaults(state);
    return state;
}

}  // namespace kvd

#include "image/RadioState.h"

namespace kvd {

void ApplyStartupDefaults(RadioState& state) {
    state.band.CurrentBand = 0;
    state.band.Select(0, state.table, {});
    state.settings = ProgramSettings::StartupDefaults();
    state.table.NumberRows();
    state.panel = PanelChoices{};
    state.flags.DebugAccess = 0;
}

RadioState StartupState(LanguageId language) {
    RadioState state;
    state.flags.Language = language;
    ApplyStartupDefaults(state);
    return state;
}

}  // namespace kvd

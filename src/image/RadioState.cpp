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

}  // namespace kvd

#pragma once

#include "channels/BandSelection.h"
#include "channels/ChannelTable.h"
#include "settings/PanelChoices.h"
#include "settings/ProgramFlags.h"
#include "settings/ProgramSettings.h"

namespace kvd {

// Everything the memory image is decoded into and encoded from: the channel table, the
// function-set panel, the band list, the program-wide settings and flags.
struct RadioState {
    ChannelTable table;
    PanelChoices panel;
    BandSelection band;
    ProgramSettings settings;
    ProgramFlags flags;
};

// The state every run starts with: band 0 selected without a question, the settings'
// start-up defaults, rows numbered, the panel lists at position 1, no debug access.
// Language and port are left as they are (they come from the preferences).
void ApplyStartupDefaults(RadioState& state);
// A fresh state with the start-up defaults and its texts in `language`.
RadioState StartupState(LanguageId language);

}  // namespace kvd

#pragma once

#include "channels/BandSelection.h"
#include "channels/Channel.h"
#include "image/Settings.h"
#include "settings/ProgramFlags.h"

namespace kvd {

// Everything the memory image is decoded into and encoded from: the sixteen channels, the
// settings, the band list, and the program-wide flags. A value: copies compare with ==.
struct RadioState {
    Channels channels;
    Settings settings;
    BandSelection band;
    ProgramFlags flags;

    bool operator==(const RadioState&) const = default;
};

// The state every run starts with: the start-up band selected without a question, the
// settings' start-up values, no debug access. The channels, the language and the port are
// left as they are (the last two come from the preferences).
void ApplyStartupDefaults(RadioState& state);
// A fresh state with the start-up defaults and its texts in `language`.
RadioState StartupState(LanguageId language);

}  // namespace kvd

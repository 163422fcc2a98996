#include "settings/ProgramSettings.h"

namespace kvd {

ProgramSettings ProgramSettings::StartupDefaults() {
    ProgramSettings s;
    for (int slot = 1; slot <= 15; ++slot) {
        s.FunctionOptions[slot] = "1";
    }
    s.FunctionOptions[11] = "0";
    s.FunctionOptions[17] = "1";
    s.FunctionOptions[18] = "2";
    for (int slot = 21; slot <= 24; ++slot) {
        s.FunctionOptions[slot] = "1";
    }
    s.BasicOptions = {0, 1, 0, 1, 1, 1, 0, 0};
    for (int g = 1; g <= kGroupCodes; ++g) {
        s.GroupCodes[g] = std::to_string(g);
    }
    s.HighPowerLevel = 208;
    s.LowPowerLevel = 92;
    s.KeyFunction1 = 10;
    s.KeyFunction2 = 0;
    return s;
}

}  // namespace kvd

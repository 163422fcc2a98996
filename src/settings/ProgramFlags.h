#pragma once

#include <cstdint>

#include "settings/Language.h"

namespace kvd {

// Program-wide flags that live for the whole run.
struct ProgramFlags {
    LanguageId Language = kChinese;
    std::int16_t PortNumber = 0;   // 1..8, 0 = no port
    std::int16_t DebugAccess = 0;  // 1 while debug access is granted

    bool operator==(const ProgramFlags&) const = default;
};

}  // namespace kvd

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/RadioSide.h"

namespace kvd::sim {

// What kvd270-sim was asked to do.
struct SimOptions {
    std::string file;  // .DAT to serve; empty: the built-in image
    std::optional<std::uint8_t> bandCode;
    std::string save;   // .DAT to keep what was written
    std::string link;   // symbolic link to the device, e.g. a COM3 entry
    bool pace = false;  // 1/960 s a byte, as on the real line
    int splitSize = 0;  // replies go out in pieces of this many bytes
    int exitAfter = 0;  // conversations; 0: run until stopped
    Faults faults;
};

// Parses the arguments; on error gives a message in `error` and no options.
std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error);

extern const char* const kSimUsage;

}  // namespace kvd::sim

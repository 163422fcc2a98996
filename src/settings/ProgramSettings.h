#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kvd {

// The settings that the memory image carries besides the channel table and the panel.
// Slot numbers follow the radio's own numbering: FunctionOptions 1..24, GroupCodes 1..8
// (index 0 of those arrays is unused), BasicOptions 0..7, EmbeddedInfo 0..1,
// DebugFrequencies[row 0..15][column 0..1].
struct ProgramSettings {
    static constexpr int kFunctionSlots = 24;
    static constexpr int kBasicSlots = 8;
    static constexpr int kGroupCodes = 8;
    static constexpr int kDebugRows = 16;

    std::array<std::string, kFunctionSlots + 1> FunctionOptions;
    std::array<std::int16_t, kBasicSlots> BasicOptions{};
    std::array<std::string, kGroupCodes + 1> GroupCodes;
    std::int16_t KeyFunction1 = 0;
    std::int16_t KeyFunction2 = 0;
    std::array<std::string, 2> EmbeddedInfo;
    std::array<std::array<std::string, 2>, kDebugRows> DebugFrequencies;
    std::int16_t HighPowerLevel = 0;
    std::int16_t LowPowerLevel = 0;

    // The values every run starts with, before a file or a radio is touched.
    static ProgramSettings StartupDefaults();

    bool operator==(const ProgramSettings&) const = default;
};

}  // namespace kvd

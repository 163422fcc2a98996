#pragma once

#include <array>
#include <cstdint>

namespace kvd {

// The six lists of the main window's function-set panel, by list position (-1 = none).
enum class PanelList { VoicePrompt, Timeout, TimeoutWarning, Squelch, BatterySave, Beep };

struct PanelChoices {
    static constexpr int kCount = 6;
    std::array<std::int16_t, kCount> positions{1, 1, 1, 1, 1, 1};

    std::int16_t& operator[](PanelList list) { return positions[static_cast<int>(list)]; }
    std::int16_t operator[](PanelList list) const { return positions[static_cast<int>(list)]; }
    bool operator==(const PanelChoices&) const = default;
};

}  // namespace kvd

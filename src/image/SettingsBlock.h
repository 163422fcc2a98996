#pragma once

#include <cstdint>
#include <span>

namespace kvd {

struct RadioState;

// The settings block at 0x100..0x16D: numeric options, panel positions, key functions
// and the three code texts. Parse takes a field only when its value is in range.
void ParseSettingsBlock(std::span<const std::uint8_t> image, RadioState& state);
void RenderSettingsBlock(const RadioState& state, std::span<std::uint8_t> image);

}  // namespace kvd

#pragma once

#include <cstdint>
#include <span>

#include "image/Settings.h"

namespace kvd {

struct RadioState;

// The settings and the band in the memory image, field by field as the field table gives
// them. Decoding takes a field over only when its value is accepted; any other value
// leaves the setting as it was (an unknown band code leaves the band).
void DecodeSettings(std::span<const std::uint8_t> image, RadioState& state);
void EncodeSettings(const RadioState& state, std::span<std::uint8_t> image);

// The settings every run starts with, before a file or a radio is touched.
Settings StartupSettings();

}  // namespace kvd

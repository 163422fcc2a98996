#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/MemoryImage.h"

namespace kvd {

struct RadioState;

// Image text (two uppercase hexadecimal digits per byte) into the channel table, the
// panel, the band and the settings. Never rejects an image: a field out of range leaves
// its target as it was; text that is short reads as erased memory (0xFF). Withdraws debug
// access. Cell texts are written in the state's current language.
void DecodeImage(std::string_view imageText, RadioState& state);
void DecodeImageBytes(std::span<const std::uint8_t> bytes, RadioState& state);

// The whole image built afresh from the state: 1696 hexadecimal characters (848 bytes).
std::string EncodeImage(const RadioState& state);
MemoryImage EncodeImageBytes(const RadioState& state);

}  // namespace kvd

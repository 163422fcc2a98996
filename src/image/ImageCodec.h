#pragma once

#include <cstdint>
#include <span>

#include "image/MemoryImage.h"

namespace kvd {

struct RadioState;

// The memory image into the channels, the settings and the band. Never rejects an image: a
// field out of range leaves its setting as it was; bytes past a short image read as erased
// memory (0xFF), bytes past the decoded part are ignored. Withdraws debug access.
void DecodeImage(std::span<const std::uint8_t> bytes, RadioState& state);

// The whole image built afresh from the state.
MemoryImage EncodeImage(const RadioState& state);

}  // namespace kvd

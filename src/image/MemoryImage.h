#pragma once

#include <array>
#include <cstdint>

#include "image/ByteMap.h"

namespace kvd {

using MemoryImage = std::array<std::uint8_t, ByteMap::kImageSize>;

}  // namespace kvd

#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kvd {

// Bytes as two uppercase hexadecimal digits each, for logs and test failures.
std::string HexDigits(std::span<const std::uint8_t> bytes);

}  // namespace kvd

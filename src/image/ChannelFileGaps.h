#pragma once

#include <cstddef>
#include <vector>

#include "texts/UserText.h"

namespace kvd::ChannelFile {

// What of the configuration a file of `length` bytes lacks, and opening therefore reads as
// erased memory: each channel, scan list and setting it cuts off, once, in image order (a
// setting by its field table name; the model block, which is not decoded, as the bytes the
// program writes the same). Empty for a whole file.
std::vector<UserText> MissingParts(std::size_t length);

}  // namespace kvd::ChannelFile

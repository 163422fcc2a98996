#pragma once

#include <cstddef>

#include "image/FieldTable.h"

namespace kvd {

// What a byte of the memory image belongs to: a channel's record, a scan-add bitmap (eight
// channels from `scanFrom`), an element of a field table row (the band's second copy
// included), or none of these (bytes the program always writes the same).
struct ByteOwner {
    int channel = 0;
    int scanFrom = 0;
    const FieldTable::Field* field = nullptr;
    int element = 0;
};

ByteOwner OwnerOfByte(std::size_t offset);

}  // namespace kvd

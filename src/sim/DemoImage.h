#pragma once

#include "image/MemoryImage.h"

namespace kvd::sim {

// The memory the virtual radio starts with when no channel file is given: start-up settings
// and a few channels inside the band at list position `band`.
MemoryImage DemoImage(int band);

}  // namespace kvd::sim

#pragma once

#include <random>
#include <string>

#include "image/MemoryImage.h"
#include "image/RadioState.h"

namespace kvd::test {

// A state the editors and dialogs could have produced: channels on the 5 kHz or 6.25 kHz
// raster inside a random band, tones from the list or typed, settings within the ranges
// the radio carries.
RadioState RandomValidState(std::mt19937& random);

// Compares everything the image carries; tone list positions only where the tone text is
// a list entry (a typed tone keeps whatever position was picked before).
void ExpectSameImageContent(const RadioState& expected, const RadioState& actual);

// A row's nine cells joined by "|".
std::string RowText(const ChannelTable& table, int row);

// The memory image of the start-up state, written out byte by byte from the byte map.
MemoryImage ExpectedStartupImage();

}  // namespace kvd::test

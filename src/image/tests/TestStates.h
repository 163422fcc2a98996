#pragma once

#include <random>
#include <string>

#include "image/MemoryImage.h"
#include "image/RadioState.h"

namespace kvd::test {

// A state the editors, dialogs and radios could have produced: channels on the 5 kHz or
// 6.25 kHz raster inside a random band with tones from the list, typed or any other word;
// every setting of the field table at a value its row accepts.
RadioState RandomValidState(std::mt19937& random);

// Compares everything the image carries: channels, settings, band.
void ExpectSameImageContent(const RadioState& expected, const RadioState& actual);

// A row's nine cells in the language, joined by "|".
std::string RowText(const Channels& channels, int row, LanguageId language = kChinese);

// A channel on the given frequencies (MHz texts, "" for none) with tones from the list
// (positions) and the choices' list positions: power, busy lock, bandwidth, scan add.
Channel MakeChannel(const char* rx, const char* tx, int rxTone = 0, int txTone = 0,
                    std::array<int, 4> choices = {0, 1, 1, 1});

// The memory image of the start-up state, written out byte by byte from the byte map.
MemoryImage ExpectedStartupImage();

}  // namespace kvd::test

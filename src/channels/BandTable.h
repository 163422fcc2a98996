#pragma once

#include <cstdint>
#include <optional>

namespace kvd {

// The seven band variants of the radio, in the order of the band list.
namespace BandTable {

constexpr int kCount = 7;

struct Band {
    const char* text;   // list item, the same in both languages
    std::uint8_t code;  // band code in the memory image and the radio's identification
};

const Band& At(int position);  // position clamped into 0..6
bool IsValidPosition(int position);
std::optional<int> PositionOfCode(std::uint8_t code);

// Limits in whole MHz, read from the item text as the band list does: characters 1..3
// and 5..7. The lower limit is included, the upper one excluded.
int LowMHz(int position);
int HighMHz(int position);

}  // namespace BandTable
}  // namespace kvd

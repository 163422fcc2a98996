#include "channels/BandTable.h"

#include <array>
#include <string_view>

namespace kvd::BandTable {

namespace {

constexpr std::array<Band, kCount> kBands = {{
    {"400-490MHz", 0x33},
    {"450-490MHz", 0x21},
    {"400-430MHz", 0x43},
    {"370-390MHz", 0x63},
    {"350-370MHz", 0x53},
    {"136-174MHz", 0x01},
    {"600-720MHz", 0x73},
}};

int NumberAt(std::string_view text, std::size_t start) {
    int value = 0;
    for (char c : text.substr(start, 3)) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

bool IsValidPosition(int position) {
    return position >= 0 && position < kCount;
}

const Band& At(int position) {
    if (!IsValidPosition(position)) {
        position = 0;
    }
    return kBands[position];
}

std::optional<int> PositionOfCode(std::uint8_t code) {
    for (int i = 0; i < kCount; ++i) {
        if (kBands[i].code == code) {
            return i;
        }
    }
    return std::nullopt;
}

int LowMHz(int position) {
    return NumberAt(At(position).text, 0);
}
int HighMHz(int position) {
    return NumberAt(At(position).text, 4);
}

}  // namespace kvd::BandTable

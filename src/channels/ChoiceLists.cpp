#include "channels/ChoiceLists.h"

#include <array>

#include "texts/TextIds.h"

namespace kvd::ChoiceLists {

namespace {

namespace Cell = TextIds::cell;
namespace Grid = TextIds::grid;

// Rows are columns 5..8 of the channel table.
constexpr std::array<std::array<TextId, kItems>, 4> kLists = {{
    {Cell::powerLow, Cell::powerHigh},
    {Cell::busyCarrier, Cell::busyOff},
    {Cell::narrow, Cell::wide},
    {Cell::scanNo, Cell::scanYes},
}};

constexpr std::array<TextId, 9> kCaptions = {
    Grid::channel, Grid::rxFrequency, Grid::tone,      Grid::txFrequency, Grid::tone,
    Grid::power,   Grid::busyLock,    Grid::bandwidth, Grid::scanAdd,
};

bool IsChoiceColumn(int column) {
    return column >= kFirstChoiceColumn && column <= kLastChoiceColumn;
}

}  // namespace

UserText Text(int column, int position) {
    if (!IsChoiceColumn(column) || position < 0 || position >= kItems) {
        return {};
    }
    return kLists[column - kFirstChoiceColumn][position];
}

UserText ColumnCaption(int column) {
    if (column < 0 || column >= static_cast<int>(kCaptions.size())) {
        return {};
    }
    return kCaptions[column];
}

}  // namespace kvd::ChoiceLists

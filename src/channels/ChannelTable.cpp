#include "channels/ChannelTable.h"

#include <cstdio>

#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"

namespace kvd {

namespace {
const std::string kEmpty;

bool IsValidColumn(int column) {
    return column >= 0 && column < ChannelTable::kColumns;
}
bool HasChoiceEntry(int column) {
    return column >= 2 && column < ChannelTable::kColumns;
}
}  // namespace

ChannelTable::ChannelTable() {
    NumberRows();
}

ChannelTable::ChannelTable(const ChannelTable& other)
    : CellChoiceIndex(other.CellChoiceIndex), cells_(other.cells_) {}

ChannelTable& ChannelTable::operator=(const ChannelTable& other) {
    CellChoiceIndex = other.CellChoiceIndex;
    cells_ = other.cells_;
    notify(1, kChannels);
    return *this;
}

const std::string& ChannelTable::cell(int row, int column) const {
    if (!IsValidRow(row) || !IsValidColumn(column)) {
        return kEmpty;
    }
    return cells_[row - 1][column];
}

void ChannelTable::setCell(int row, int column, std::string text) {
    if (!IsValidRow(row) || !IsValidColumn(column)) {
        return;
    }
    cells_[row - 1][column] = std::move(text);
    notify(row, row);
}

std::int16_t ChannelTable::choiceIndex(int row, int column) const {
    if (!IsValidRow(row) || !HasChoiceEntry(column)) {
        return 0;
    }
    return CellChoiceIndex[row - 1][column - 2];
}

void ChannelTable::setChoiceIndex(int row, int column, std::int16_t position) {
    if (IsValidRow(row) && HasChoiceEntry(column)) {
        CellChoiceIndex[row - 1][column - 2] = position;
    }
}

bool ChannelTable::hasChannel(int row) const {
    return !cell(row, kRxFrequency).empty();
}

void ChannelTable::NumberRows() {
    for (int row = 1; row <= kChannels; ++row) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", row);
        cells_[row - 1][kNumber] = number;
    }
    notify(1, kChannels);
}

void ChannelTable::SetGrid1Text(LanguageId language) {
    for (int row = 1; row <= kChannels; ++row) {
        if (!hasChannel(row)) {
            continue;
        }
        auto& cells = cells_[row - 1];
        for (int column : {kRxTone, kTxTone}) {
            if (choiceIndex(row, column) == 0) {
                cells[column] = ToneList::kOff.pick(language);
            }
        }
        for (int column = kPower; column <= kScanAdd; ++column) {
            cells[column] = ChoiceLists::Text(column, choiceIndex(row, column), language);
        }
    }
    notify(1, kChannels);
}

void ChannelTable::emptyRow(int row) {
    for (int column = kRxFrequency; column < kColumns; ++column) {
        cells_[row - 1][column].clear();
    }
}

void ChannelTable::ClearGrid1() {
    for (int row = 1; row <= kChannels; ++row) {
        if (hasChannel(row)) {
            emptyRow(row);
        }
    }
    notify(1, kChannels);
}

void ChannelTable::ClearNO(int row) {
    if (!IsValidRow(row)) {
        return;
    }
    emptyRow(row);
    for (int entry = 0; entry <= 8; ++entry) {
        CellChoiceIndex[row - 1][entry] = 0;
    }
    notify(row, row);
}

void ChannelTable::ClearGrid() {
    for (int row = 1; row <= kChannels; ++row) {
        ClearNO(row);
    }
}

void ChannelTable::notify(int firstRow, int lastRow) const {
    if (listener_) {
        listener_(firstRow, lastRow);
    }
}

}  // namespace kvd

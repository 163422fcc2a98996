#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "settings/Language.h"

namespace kvd {

// The sixteen channels as the table shows them: rows 1..16, columns 0..8 of text
// (column 0 the channel number), plus the list positions behind the tone and choice
// cells. This is the only store of channel data in the program.
class ChannelTable {
public:
    static constexpr int kChannels = 16;
    static constexpr int kColumns = 9;  // 0 number, 1..8 settings
    static constexpr int kChoiceEntries = 10;

    // Column numbers of the table.
    enum Column {
        kNumber = 0,
        kRxFrequency = 1,
        kRxTone = 2,
        kTxFrequency = 3,
        kTxTone = 4,
        kPower = 5,
        kBusyLock = 6,
        kBandwidth = 7,
        kScanAdd = 8,
    };

    // Called after cells change: first and last row touched (1..16).
    using ChangeListener = std::function<void(int firstRow, int lastRow)>;

    ChannelTable();
    // Copies carry the cells and list positions; a table keeps its own listener, and an
    // assigned table tells its listener that every row changed.
    ChannelTable(const ChannelTable& other);
    ChannelTable& operator=(const ChannelTable& other);

    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    // The entry of CellChoiceIndex behind a cell of column 2..8 (entry = column - 2).
    std::int16_t choiceIndex(int row, int column) const;
    void setChoiceIndex(int row, int column, std::int16_t position);

    // A channel exists exactly when its receive frequency is not empty.
    bool hasChannel(int row) const;

    void NumberRows();
    void SetGrid1Text(LanguageId language);
    void ClearGrid1();
    void ClearNO(int row);
    void ClearGrid();

    void setChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

    // Per channel (0..15) by entry (0..9); entry k belongs to column k + 2.
    std::array<std::array<std::int16_t, kChoiceEntries>, kChannels> CellChoiceIndex{};

    bool operator==(const ChannelTable& other) const {
        return cells_ == other.cells_ && CellChoiceIndex == other.CellChoiceIndex;
    }

    static bool IsValidRow(int row) { return row >= 1 && row <= kChannels; }

private:
    void notify(int firstRow, int lastRow) const;
    void emptyRow(int row);

    std::array<std::array<std::string, kColumns>, kChannels> cells_;
    ChangeListener listener_;
};

}  // namespace kvd

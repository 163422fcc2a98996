#include "channels/ChannelRows.h"

#include <algorithm>
#include <utility>

namespace kvd::ChannelRows {

void Clear(Channels& channels, const std::vector<int>& rows) {
    for (int row : rows) {
        channels.erase(row);
    }
}

bool MoveUp(Channels& channels, std::vector<int>& rows) {
    if (rows.empty() || rows.front() <= 1 || rows.back() > Channels::kCount) {
        return false;
    }
    for (int& row : rows) {  // top down, so a block moves as one
        std::swap(channels[row - 1], channels[row]);
        --row;
    }
    return true;
}

bool MoveDown(Channels& channels, std::vector<int>& rows) {
    if (rows.empty() || rows.front() < 1 || rows.back() >= Channels::kCount) {
        return false;
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::swap(channels[*row], channels[*row + 1]);
        ++*row;
    }
    return true;
}

Insertion InsertEmpty(Channels& channels, int row) {
    if (!Channels::IsValidNumber(row)) {
        return Insertion::NoRow;
    }
    if (channels.has(Channels::kCount)) {
        return Insertion::LastHeld;
    }
    for (int number = Channels::kCount; number > row; --number) {
        channels[number] = channels[number - 1];
    }
    channels.erase(row);
    return Insertion::Inserted;
}

Pasting Place(const CsvExchange::FileReading& reading, int firstRow) {
    const auto& rows = reading.rows;
    const bool byLocation = std::all_of(rows.begin(), rows.end(), [](const auto& row) {
        return !row.usable() || row.location.has_value();
    });
    long lowest = 0;
    if (byLocation) {
        lowest = Channels::kCount + CsvExchange::kLargestLocation;
        for (const auto& row : rows) {
            lowest = row.usable() ? std::min(lowest, *row.location) : lowest;
        }
    }
    Pasting pasting;
    long next = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].usable()) {
            continue;
        }
        const long offset = byLocation ? *rows[i].location - lowest : next++;
        if (offset > Channels::kCount - firstRow) {
            pasting.noRoom.push_back(i);
        } else {
            pasting.placed.emplace_back(firstRow + static_cast<int>(offset), *rows[i].channel);
        }
    }
    return pasting;
}

}  // namespace kvd::ChannelRows

#pragma once

#include "texts/UserText.h"

namespace kvd {

// The two-item lists behind the channel table's columns 5..8, and the table's header row.
namespace ChoiceLists {

constexpr int kFirstChoiceColumn = 5;
constexpr int kLastChoiceColumn = 8;
constexpr int kItems = 2;

// Item of a choice column (5 power, 6 busy lock, 7 bandwidth, 8 scan add); empty for a
// position outside the list or a column without a list.
UserText Text(int column, int position);

// Header caption of a channel-table column 0..8; empty outside.
UserText ColumnCaption(int column);

}  // namespace ChoiceLists
}  // namespace kvd

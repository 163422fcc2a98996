#pragma once

#include <array>
#include <string>

#include "settings/Language.h"

namespace kvd {

// The two-item lists behind the channel table's columns 5..8, and the table's header row.
namespace ChoiceLists {

constexpr int kFirstChoiceColumn = 5;
constexpr int kLastChoiceColumn = 8;
constexpr int kItems = 2;

// Item text of a choice column (5 power, 6 busy lock, 7 bandwidth, 8 scan add);
// empty for a position outside the list or a column without a list.
std::string Text(int column, int position, LanguageId language);

// Header caption of a channel-table column 0..8.
const LocalText& ColumnCaption(int column);

}  // namespace ChoiceLists
}  // namespace kvd

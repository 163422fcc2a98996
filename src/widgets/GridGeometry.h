#pragma once

#include <span>
#include <vector>

#include <QColor>

namespace kvd::gui {

// The channel table's shape, in twips as it was laid out (1440 twips to the inch).
namespace GridGeometry {

constexpr int kRows = 17;    // row 0 the captions, rows 1..16 the channels
constexpr int kColumns = 9;  // column 0 the channel numbers
constexpr int kRowTwips = 300;

int ColumnTwips(int column);
int TwipsToPixels(int twips, double logicalDpi);

// Sizes that share out `room` pixels in proportion to their laid-out sizes. A few pixels
// less than they need (what a fractional screen scale's rounding takes from a window) come
// off the sizes too; anything shorter keeps the laid-out sizes, to be scrolled.
std::vector<int> Shared(std::span<const int> laidOut, int room);

// Even channel rows are tinted across all columns.
bool IsTinted(int row);
QColor Tint();

}  // namespace GridGeometry
}  // namespace kvd::gui

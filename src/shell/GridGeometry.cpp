#include "shell/GridGeometry.h"

#include <array>
#include <cmath>

namespace kvd::gui::GridGeometry {

namespace {
constexpr std::array<int, kColumns> kColumnTwips = {500, 1330, 1000, 1330, 1000,
                                                    800, 850,  1000, 900};
}  // namespace

int ColumnTwips(int column) {
    return column >= 0 && column < kColumns ? kColumnTwips[column] : 0;
}

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

bool IsTinted(int row) {
    return row >= 2 && row < kRows && row % 2 == 0;
}

QColor Tint() {
    return QColor(192, 192, 255);
}

}  // namespace kvd::gui::GridGeometry

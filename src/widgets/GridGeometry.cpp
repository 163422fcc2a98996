#include "widgets/GridGeometry.h"

#include <array>
#include <cmath>
#include <numeric>

namespace kvd::gui::GridGeometry {

namespace {
constexpr std::array<int, kColumns> kColumnTwips = {500, 1330, 1000, 1330, 1000,
                                                    800, 850,  1000, 900};
// Up to this many pixels short, the sizes give way rather than the table scrolling.
constexpr int kRoundingShortfall = 4;
}  // namespace

int ColumnTwips(int column) {
    return column >= 0 && column < kColumns ? kColumnTwips[column] : 0;
}

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

std::vector<int> Shared(std::span<const int> laidOut, int room) {
    std::vector<int> sizes(laidOut.begin(), laidOut.end());
    const int total = std::accumulate(laidOut.begin(), laidOut.end(), 0);
    if (total <= 0 || room < total - kRoundingShortfall) {
        return sizes;
    }
    // Each size takes its share of the difference; what rounding leaves goes to the last.
    int given = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int share =
            static_cast<int>(static_cast<long long>(room - total) * laidOut[i] / total);
        sizes[i] += share;
        given += share;
    }
    if (!sizes.empty()) {
        sizes.back() += room - total - given;
    }
    return sizes;
}

bool IsTinted(int row) {
    return row >= 2 && row < kRows && row % 2 == 0;
}

QColor Tint() {
    return QColor(192, 192, 255);
}

}  // namespace kvd::gui::GridGeometry

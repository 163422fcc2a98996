#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "printout/PageFlow.h"

namespace kvd::Printout {

struct PrintedConfiguration;

// The printout's font: one that holds Chinese and Latin letters alike, at a size in points.
QFont PrintFont(double points, bool bold = false);

// The device's measures, in its own units.
struct Page {
    QPaintDevice* device;
    double width;
    double point;  // one point

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, device); }
    // The height of a text wrapped into `width`.
    double wrappedHeight(const QFont& font, const QString& text, double width) const;
};

// A block and how to paint it into its rectangle.
struct Piece {
    Block block;
    std::function<void(QPainter&, const QRectF&)> paint;
};

// The printout's blocks in order, measured for the page: the heading lines, the channel
// table as one block, then each section's heading (kept with its first row) and rows.
std::vector<Piece> Pieces(const Page& page, const PrintedConfiguration& printed);

}  // namespace kvd::Printout

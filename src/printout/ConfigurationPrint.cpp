#include "printout/ConfigurationPrint.h"

#include <algorithm>
#include <vector>

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "catalogue/Catalogue.h"
#include "printout/PageFlow.h"
#include "printout/PrintPieces.h"
#include "printout/PrintedConfiguration.h"
#include "texts/TextIds.h"

namespace kvd::Printout {

namespace {

constexpr double kFooterSize = 8;  // points

// A block higher than the page is painted smaller.
void PaintPiece(QPainter& painter, const Piece& piece, double top, double width,
                double pageHeight) {
    const double scale = std::min(1.0, pageHeight / piece.block.height);
    painter.save();
    painter.translate(0, top);
    painter.scale(scale, scale);
    piece.paint(painter, QRectF(0, 0, width, piece.block.height));
    painter.restore();
}

void PaintFooter(QPainter& painter, const Page& page, const PrintedConfiguration& printed,
                 int number, int pages) {
    const QFont font = PrintFont(kFooterSize);
    const double height = page.metrics(font).height();
    painter.setFont(font);
    painter.drawText(
        QRectF(0, page.device->height() - height, page.width, height),
        Qt::AlignHCenter | Qt::AlignBottom,
        QString::fromStdString(
            TextIn({TextIds::print::page, {UserText::Number(number), UserText::Number(pages)}},
                   printed.language)));
}

bool InRange(PageRange range, int number) {
    return (range.first <= 0 || number >= range.first) && (range.last <= 0 || number <= range.last);
}

}  // namespace

bool Paint(const PrintedConfiguration& printed, QPagedPaintDevice& device, PageRange range) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const Page page{&device, static_cast<double>(device.width()), device.logicalDpiY() / 72.0};
    const std::vector<Piece> pieces = Pieces(page, printed);
    std::vector<Block> blocks;
    for (const Piece& piece : pieces) {
        blocks.push_back(piece.block);
    }
    const double footer = page.metrics(PrintFont(kFooterSize)).height() * 2;
    const double flowHeight = device.height() - footer;
    const std::vector<Placement> placements = FlowOntoPages(blocks, flowHeight);
    const int pages = placements.back().page + 1;
    bool painted = false;
    for (int p = 0; p < pages; ++p) {
        if (!InRange(range, p + 1)) {
            continue;
        }
        if (painted && !device.newPage()) {
            return false;
        }
        painted = true;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (placements[i].page == p) {
                PaintPiece(painter, pieces[i], placements[i].top, page.width, flowHeight);
            }
        }
        PaintFooter(painter, page, printed, p + 1, pages);
    }
    return painter.end();
}

QByteArray Pdf(const PrintedConfiguration& printed) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QString::fromStdString(printed.title));
    if (!Paint(printed, writer)) {
        return {};
    }
    return bytes;
}

}  // namespace kvd::Printout
#include "shell/ChannelGrid.h"

#include <numeric>

#include <QHeaderView>

#include "channels/ChoiceLists.h"
#include "widgets/GridGeometry.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {
constexpr int kCaptionPadding = 8;  // pixels of air around a caption, both sides together
}  // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Tab moves on to the next control, as in the grid's original.
    setTabKeyNavigation(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

int ChannelGrid::columnPixels(int column) const {
    const int fromTwips =
        GridGeometry::TwipsToPixels(GridGeometry::ColumnTwips(column), logicalDpiX());
    const UserText caption = ChoiceLists::ColumnCaption(column);
    const QFontMetrics metrics = fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(Tr(caption, kChinese)),
                                metrics.horizontalAdvance(Tr(caption, kEnglish)));
    return std::max({fromTwips, widest + kCaptionPadding, minimumWidths_[column]});
}

void ChannelGrid::setMinimumColumnWidth(int column, int pixels) {
    if (column >= 0 && column < GridGeometry::kColumns) {
        minimumWidths_[column] = pixels;
    }
}

void ChannelGrid::layOut() {
    for (int column = 0; column < GridGeometry::kColumns; ++column) {
        columnWidths_[column] = columnPixels(column);
    }
    const int rowPixels = GridGeometry::TwipsToPixels(GridGeometry::kRowTwips, logicalDpiY());
    rowHeights_.fill(rowPixels);
    // Row 0 keeps room for its captions whatever the font.
    rowHeights_[0] = std::max(rowPixels, fontMetrics().height() + 4);
    fillViewport();
    updateGeometry();
}

void ChannelGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fillViewport();
}

void ChannelGrid::fillViewport() {
    // The room without scroll bars: cells that fit take it all, and no scroll bar shows.
    const QSize room = maximumViewportSize();
    const std::vector<int> widths = GridGeometry::Shared(columnWidths_, room.width());
    for (int column = 0; column < GridGeometry::kColumns; ++column) {
        setColumnWidth(column, widths[column]);
    }
    const std::vector<int> heights = GridGeometry::Shared(rowHeights_, room.height());
    for (int row = 0; row < GridGeometry::kRows; ++row) {
        setRowHeight(row, heights[row]);
    }
    emit cellsResized();
}

QModelIndex ChannelGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (!next.isValid()) {
        return next;
    }
    return next.sibling(std::max(next.row(), 1), std::max(next.column(), 1));
}

QSize ChannelGrid::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {frame + std::accumulate(columnWidths_.begin(), columnWidths_.end(), 0),
            frame + std::accumulate(rowHeights_.begin(), rowHeights_.end(), 0)};
}

}  // namespace kvd::gui

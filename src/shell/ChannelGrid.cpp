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

void ChannelGrid::clickChannelNumber(int row, Qt::KeyboardModifiers modifiers) {
    const QModelIndex first = model()->index(row, 1);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    int from = row;
    if (modifiers & Qt::ShiftModifier && anchorRow_ > 0) {
        from = anchorRow_;
    } else if (modifiers & Qt::ControlModifier) {
        flags = QItemSelectionModel::Toggle;
        anchorRow_ = row;
    } else {
        anchorRow_ = row;
    }
    const QItemSelection rows(model()->index(std::min(from, row), 1),
                              model()->index(std::max(from, row), GridGeometry::kColumns - 1));
    selectionModel()->select(rows, flags);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
}

void ChannelGrid::selectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int row : rows) {
        selection.select(model()->index(row, 1), model()->index(row, GridGeometry::kColumns - 1));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty()) {
        anchorRow_ = rows.front();
        selectionModel()->setCurrentIndex(model()->index(rows.front(), 1),
                                          QItemSelectionModel::NoUpdate);
    }
}

std::vector<int> ChannelGrid::selectedRows() const {
    std::vector<int> rows;
    for (int row = 1; row < GridGeometry::kRows; ++row) {
        bool whole = true;
        for (int column = 1; whole && column < GridGeometry::kColumns; ++column) {
            whole = selectionModel()->isSelected(model()->index(row, column));
        }
        if (whole) {
            rows.push_back(row);
        }
    }
    return rows;
}

QSize ChannelGrid::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {frame + std::accumulate(columnWidths_.begin(), columnWidths_.end(), 0),
            frame + std::accumulate(rowHeights_.begin(), rowHeights_.end(), 0)};
}

}  // namespace kvd::gui

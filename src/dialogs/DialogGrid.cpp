#include "dialogs/DialogGrid.h"

#include <algorithm>

#include <QHeaderView>
#include <QStyle>

#include "widgets/GridGeometry.h"

namespace kvd::gui {

namespace {

bool IsFixed(int row, int column) {
    return row == 0 || column == 0;
}

}  // namespace

DialogGrid::DialogGrid(QWidget* parent, const char* objectName, int rows,
                       std::span<const int> columnTwips, int rowTwips, Qt::Alignment alignment)
    : QTableWidget(rows, static_cast<int>(columnTwips.size()), parent) {
    setObjectName(QString::fromLatin1(objectName));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(column == 0 ? Qt::AlignCenter : alignment);
            if (IsFixed(row, column)) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(palette().button());
                cell->setForeground(palette().buttonText());
            } else {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            }
            setItem(row, column, cell);
        }
    }
    layOut(columnTwips, rowTwips);
}

void DialogGrid::layOut(std::span<const int> columnTwips, int rowTwips) {
    const int rowPixels =
        std::max(GridGeometry::TwipsToPixels(rowTwips, logicalDpiY()), fontMetrics().height() + 4);
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, GridGeometry::TwipsToPixels(columnTwips[column], logicalDpiX()));
    }
    for (int row = 0; row < rowCount(); ++row) {
        setRowHeight(row, rowPixels);
    }
}

bool DialogGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // The view waits out the double-click time before editing a cell clicked again, and
    // would take keys typed meanwhile as a search; the edit starts at once instead.
    const bool clickedAgain = trigger == SelectedClicked && selectionModel()->isSelected(index);
    return QTableWidget::edit(index, clickedAgain ? AllEditTriggers : trigger, event);
}

void DialogGrid::fitColumnToText(int column, const QString& text) {
    // The margins the item delegate keeps either side of a text, a pixel for an editor's
    // cursor, and the grid line.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int needed =
        fontMetrics().horizontalAdvance(text) + 2 * margin + 1 + (showGrid() ? 1 : 0);
    setColumnWidth(column, std::max(columnWidth(column), needed));
}

QString DialogGrid::text(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void DialogGrid::setText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
    }
}

QSize DialogGrid::sizeHint() const {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column) {
        width += columnWidth(column);
    }
    int height = 2 * frameWidth();
    for (int row = 0; row < rowCount(); ++row) {
        height += rowHeight(row);
    }
    return {width, height};
}

}  // namespace kvd::gui

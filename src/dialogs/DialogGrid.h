#pragma once

#include <span>

#include <QTableWidget>

namespace kvd::gui {

// A small grid of a dialog: row 0 holds the column captions and column 0 the row numbers,
// both fixed (grey, not editable); the other cells are text. Columns are given in twips
// and the grid is as large as its cells, so it never scrolls. Choosing a cell starts its
// edit at once, a click on the cell already chosen too: typed keys always go into the cell
// being edited, and never search the grid for a cell to jump to.
class DialogGrid : public QTableWidget {
    Q_OBJECT
public:
    DialogGrid(QWidget* parent, const char* objectName, int rows, std::span<const int> columnTwips,
               int rowTwips, Qt::Alignment alignment);

    // Widens a column, if need be, to show the text whole, shown or edited.
    void fitColumnToText(int column, const QString& text);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    void keyboardSearch(const QString&) override {}

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void layOut(std::span<const int> columnTwips, int rowTwips);
};

}  // namespace kvd::gui

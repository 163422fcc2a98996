#pragma once

#include <array>
#include <vector>

#include <QTableView>

#include "widgets/GridGeometry.h"

namespace kvd::gui {

// The channel table `Grid1`: one cell per selection, no typing (the cell editors are laid
// over it), and sized to show all 17 rows and 9 columns without scrolling. Given more room,
// its columns and rows share it out, so a larger window shows a larger table.
class ChannelGrid : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGrid(QWidget* parent = nullptr);

    // Column widths and row heights from their twips at the screen's logical dpi. A column
    // is never narrower than its caption in either language, so no caption is cut.
    void layOut();
    // A column that must be at least this wide, for instance to show what an editor laid
    // over its cells holds; takes effect at the next layOut().
    void setMinimumColumnWidth(int column, int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Whole rows, as a click on a channel number selects them: alone, with Shift the rows
    // from the last one clicked, with Ctrl one more or one less.
    void clickChannelNumber(int row, Qt::KeyboardModifiers modifiers);
    void selectRows(const std::vector<int>& rows);
    // The rows 1..16 whose channel cells are all selected, ascending.
    std::vector<int> selectedRows() const;

    // Typing never moves the cursor to a cell that starts with the typed text.
    void keyboardSearch(const QString&) override {}

signals:
    // Columns or rows changed size: whatever lies over a cell must follow it.
    void cellsResized();

protected:
    // The keyboard moves the cursor over channel cells only, never onto a caption or a
    // channel number.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int columnPixels(int column) const;
    void fillViewport();

    std::array<int, GridGeometry::kColumns> minimumWidths_{};
    std::array<int, GridGeometry::kColumns> columnWidths_{};  // as laid out, before filling
    std::array<int, GridGeometry::kRows> rowHeights_{};
    int anchorRow_ = 0;  // the channel number clicked last without Shift
};

}  // namespace kvd::gui

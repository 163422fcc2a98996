#pragma once

#include <array>

#include <QTableView>

#include "shell/GridGeometry.h"

namespace kvd::gui {

// The channel table `Grid1`: one cell per selection, no typing (the cell editors are laid
// over it), and sized to show all 17 rows and 9 columns without scrolling.
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

protected:
    // The keyboard moves the cursor over channel cells only, never onto a caption or a
    // channel number.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    int columnPixels(int column) const;

    std::array<int, GridGeometry::kColumns> minimumWidths_{};
};

}  // namespace kvd::gui

#include "widgets/TableFit.h"

#include <algorithm>

#include <QDialog>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

namespace kvd::gui {

void FitDialogToTable(QDialog& dialog, QTableView& table, int rows) {
    // Rows as low as the style allows for one line of text: more of a long list shows.
    QHeaderView* rowHeader = table.verticalHeader();
    rowHeader->setDefaultSectionSize(rowHeader->minimumSectionSize());
    table.resizeColumnsToContents();
    const int frame = 2 * table.frameWidth();
    const int width =
        table.horizontalHeader()->length() + frame + table.verticalScrollBar()->sizeHint().width();
    const int shown = std::min(table.model() ? table.model()->rowCount() : 0, rows);
    const int height = table.horizontalHeader()->sizeHint().height() +
                       std::max(shown, 1) * rowHeader->defaultSectionSize() + frame;
    // The layout takes the table's wish into the dialog's size hint, then lets it shrink.
    table.setMinimumSize(width, height);
    if (dialog.layout()) {
        dialog.layout()->invalidate();
    }
    QSize size = dialog.sizeHint();
    table.setMinimumSize(0, 0);
    if (const QScreen* screen = dialog.screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    dialog.resize(size);
}

}  // namespace kvd::gui

#pragma once

#include <QAbstractTableModel>

namespace kvd {
struct RadioState;
}

namespace kvd::gui {

// The core's channel table as the grid shows it: 17 x 9 cells whose row and column numbers
// are the table's own. Row 0 holds the column captions in the interface language and
// column 0 the channel numbers; both are fixed cells that cannot be selected. Keeps no copy
// of the data: every cell is the core's channel rendered in the interface language, and
// whoever changes the channels says which rows changed.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Tells a fixed cell apart from a channel cell (bool).
    static constexpr int FixedCellRole = Qt::UserRole + 1;

    explicit ChannelTableModel(const RadioState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The captions of row 0 follow the interface language.
    void captionsChanged();
    // Every cell may have changed (new channels, another language).
    void allChanged();
    // The channels of these rows changed.
    void rowsChanged(int firstRow, int lastRow);

    static bool IsFixed(int row, int column) { return row == 0 || column == 0; }

private:
    QString text(int row, int column) const;
    QVariant background(int row, int column) const;

    const RadioState& state_;
};

}  // namespace kvd::gui

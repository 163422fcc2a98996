#include "shell/ChannelTableModel.h"

#include <QGuiApplication>
#include <QPalette>

#include "channels/ChannelCells.h"
#include "channels/ChoiceLists.h"
#include "image/RadioState.h"
#include "widgets/GridGeometry.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

ChannelTableModel::ChannelTableModel(const RadioState& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridGeometry::kRows;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridGeometry::kColumns;
}

QString ChannelTableModel::text(int row, int column) const {
    if (row == 0) {
        return Tr(ChoiceLists::ColumnCaption(column), state_.flags.Language);
    }
    return Tr(ChannelCells::Text(state_.channels, row, column), state_.flags.Language);
}

QVariant ChannelTableModel::background(int row, int column) const {
    if (GridGeometry::IsTinted(row)) {
        return GridGeometry::Tint();
    }
    if (IsFixed(row, column)) {
        return QGuiApplication::palette().color(QPalette::Button);
    }
    return {};
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return text(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return background(index.row(), index.column());
        case FixedCellRole:
            return IsFixed(index.row(), index.column());
        default:
            return {};
    }
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (IsFixed(index.row(), index.column())) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ChannelTableModel::captionsChanged() {
    emit dataChanged(index(0, 0), index(0, GridGeometry::kColumns - 1));
}

void ChannelTableModel::rowsChanged(int firstRow, int lastRow) {
    emit dataChanged(index(firstRow, 0), index(lastRow, GridGeometry::kColumns - 1));
}

void ChannelTableModel::allChanged() {
    emit dataChanged(index(0, 0), index(GridGeometry::kRows - 1, GridGeometry::kColumns - 1));
}

}  // namespace kvd::gui

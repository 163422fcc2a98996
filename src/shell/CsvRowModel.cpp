#include "shell/CsvRowModel.h"

#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::csvImport;

constexpr TextId kHeaders[CsvRowModel::kColumns] = {
    Id::location, Id::name, Id::frequency, Id::transmit, Id::tones, Id::mode, Id::verdict,
};

}  // namespace

CsvRowModel::CsvRowModel(const CsvExchange::FileReading& reading, const BandSelection& band,
                         QObject* parent)
    : QAbstractTableModel(parent), choice_(reading) {
    cells_.reserve(reading.rows.size());
    for (const CsvExchange::FileRow& row : reading.rows) {
        cells_.push_back(CsvExchange::CellsOf(row, band));
        usable_.push_back(row.usable());
    }
}

int CsvRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int CsvRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString CsvRowModel::text(int row, int column) const {
    const CsvExchange::RowCells& c = cells_[static_cast<std::size_t>(row)];
    switch (column) {
        case kLocation:
            return QString::fromStdString(c.location);
        case kName:
            return QString::fromStdString(c.name);
        case kFrequency:
            return QString::fromStdString(c.frequency);
        case kTransmit:
            return QString::fromStdString(c.transmit);
        case kTones:
            return Tr(c.tones);
        case kMode:
            return QString::fromStdString(c.mode);
        default:
            return Tr(c.verdict);
    }
}

QVariant CsvRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return text(index.row(), index.column());
        case Qt::ToolTipRole:
            return index.column() == kVerdict ? text(index.row(), kVerdict) : QVariant();
        case Qt::CheckStateRole:
            if (index.column() == kLocation && usable_[row]) {
                return choice_.isChosen(row) ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        default:
            return {};
    }
}

QVariant CsvRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumns) {
        return Tr(kHeaders[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

// An unusable row is disabled, which greys it; its verdict still shows why.
Qt::ItemFlags CsvRowModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !usable_[static_cast<std::size_t>(index.row())]) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == kLocation ? flags | Qt::ItemIsUserCheckable : flags;
}

bool CsvRowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != kLocation) {
        return false;
    }
    const auto row = static_cast<std::size_t>(index.row());
    if (value.value<Qt::CheckState>() == Qt::Unchecked) {
        choice_.drop(row);
    } else if (const auto outcome = choice_.choose(row);
               outcome != CsvExchange::RowChoice::Outcome::Chosen) {
        if (outcome == CsvExchange::RowChoice::Outcome::Full) {
            emit tickRefused();
        }
        return false;
    }
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit choiceChanged();
    return true;
}

void CsvRowModel::languageChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
    if (!cells_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    }
}

}  // namespace kvd::gui

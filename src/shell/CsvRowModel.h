#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "channels/CsvChoice.h"
#include "channels/CsvRowCells.h"

namespace kvd {
class BandSelection;
}

namespace kvd::gui {

// Every row of a CSV file as the import dialog lists it, in the interface language: a tick
// in the Location column for a row chosen to become a channel, unusable rows greyed with
// their reason. Ticks go through the row choice, so a tick the choice refuses is never shown.
class CsvRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kLocation, kName, kFrequency, kTransmit, kTones, kMode, kVerdict, kColumns };

    // The reading must outlive the model.
    CsvRowModel(const CsvExchange::FileReading& reading, const BandSelection& band,
                QObject* parent = nullptr);

    const CsvExchange::RowChoice& choice() const { return choice_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The texts in the new interface language.
    void languageChanged();

signals:
    void choiceChanged();
    // A tick that was not taken: sixteen rows are chosen already.
    void tickRefused();

private:
    QString text(int row, int column) const;

    CsvExchange::RowChoice choice_;
    std::vector<CsvExchange::RowCells> cells_;
    std::vector<bool> usable_;
};

}  // namespace kvd::gui

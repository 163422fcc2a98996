#pragma once

#include <QDialog>

#include "widgets/Captions.h"

class QLabel;
class QPushButton;
class QTableView;

namespace kvd {
class BandSelection;
namespace CsvExchange {
struct FileReading;
class RowChoice;
}  // namespace CsvExchange
}  // namespace kvd

namespace kvd::gui {

class CsvRowModel;

// The import dialog `frmImportCsv`: every row of a CSV file with its verdict; the user ticks
// up to sixteen usable rows (the first sixteen are ticked when it opens). OK leaves the
// choice to the caller; the dialog itself changes nothing.
class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    // The reading must outlive the dialog; fileName goes into the title.
    CsvImportDialog(QWidget* parent, const CsvExchange::FileReading& reading,
                    const BandSelection& band, const QString& fileName);

    const CsvExchange::RowChoice& choice() const;

    CsvRowModel* rowModel() const { return model_; }
    QTableView* rowTable() const { return table_; }
    // How many rows are chosen, or why a tick was refused.
    QLabel* countLabel() const { return count_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void showCount();

    Captions captions_;
    CsvRowModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* ok_ = nullptr;
    int usable_ = 0;
    bool refused_ = false;  // the count line says why the last tick was not taken
};

}  // namespace kvd::gui

#pragma once

#include <vector>

#include <QDialog>

#include "shell/ComparisonRows.h"
#include "widgets/Captions.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kvd::gui {

// The comparison dialog `frmCompare`: a heading, then a table of field / our side / the other
// side (each channel and the settings under their headings), or "no differences" when there
// are none. It either shows a comparison (Close) or asks whether to write (Write, Cancel;
// Cancel is the default).
class ComparisonDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Show, ConfirmWrite };
    struct Sides {
        UserText ours;
        UserText theirs;
    };

    ComparisonDialog(QWidget* parent, Purpose purpose, UserText heading, Sides sides,
                     std::vector<ComparisonRow> rows);

    QLabel* headingLabel() const { return heading_; }
    QTableWidget* table() const { return table_; }
    QLabel* noDifferencesLabel() const { return none_; }
    // Write when it asks, Close when it shows.
    QPushButton* acceptButton() const { return accept_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fill();

    Captions captions_;
    Sides sides_;
    std::vector<ComparisonRow> rows_;
    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* none_ = nullptr;
    QPushButton* accept_ = nullptr;
};

}  // namespace kvd::gui

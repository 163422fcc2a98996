#pragma once

class QDialog;
class QTableView;

namespace kvd::gui {

// Sizes a dialog so that its table shows every column whole and up to `rows` rows (fewer
// when it has fewer), within nine tenths of the screen; more rows scroll.
void FitDialogToTable(QDialog& dialog, QTableView& table, int rows);

}  // namespace kvd::gui

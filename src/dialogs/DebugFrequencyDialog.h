#pragma once

#include "dialogs/ModelessDialog.h"

namespace kvd::gui {

class DialogGrid;

// The debug-frequency dialog `Form4`: sixteen test channels, a receive and a transmit
// frequency each, kept on the 5 kHz or 6.25 kHz raster. Edits the debug frequencies.
class DebugFrequencyDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit DebugFrequencyDialog(DialogHost& host);

protected:
    void fill() override;
    void store() override;
    void retranslate() override;

private:
    bool canEdit(int row, int column) const;
    void edited(int row, int column, const QString& typed);

    DialogGrid* grid_ = nullptr;
};

}  // namespace kvd::gui

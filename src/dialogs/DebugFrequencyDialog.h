#pragma once

#include "dialogs/ModelessDialog.h"

namespace kvd::gui {

class DialogGrid;

// The debug-frequency dialog `Form4`: sixteen test channels, a receive and a transmit
// frequency each, kept on the 5 kHz or 6.25 kHz raster. Edits the debug frequencies.
class DebugFrequencyDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit DebugFrequencyDialog(MainWindow& owner);

    void languageChanged(LanguageId language) override;

protected:
    void fill() override;
    void store() override;

private:
    bool canEdit(int row, int column) const;
    void edited(int row, int column, const QString& typed);

    DialogGrid* grid_ = nullptr;
};

}  // namespace kvd::gui

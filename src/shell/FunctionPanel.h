#pragma once

#include <array>

#include <QGroupBox>

#include "settings/Language.h"
#include "settings/PanelList.h"

class QComboBox;
class QLabel;

namespace kvd::gui {

// The function-set panel `Frame2`: six selection-only lists with their captions. The
// positions it shows are the core's PanelChoices; a choice of the user is written there.
class FunctionPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FunctionPanel(PanelChoices& choices, QWidget* parent = nullptr);

    QComboBox* list(PanelList which) const { return lists_[static_cast<int>(which)]; }

    // Captions and items in the language; items are replaced in place, selections stay.
    void applyLanguage(LanguageId language);
    // Shows the core's positions without treating them as the user's choice.
    void showChoices();

private:
    void fitBothLanguages(PanelList which);

    PanelChoices& choices_;
    std::array<QLabel*, PanelChoices::kCount> labels_{};
    std::array<QComboBox*, PanelChoices::kCount> lists_{};
};

}  // namespace kvd::gui

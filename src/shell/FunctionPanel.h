#pragma once

#include <array>

#include <QGroupBox>

#include "settings/PanelList.h"
#include "widgets/Captions.h"

class QComboBox;
class QLabel;

namespace kvd {
struct Settings;
}

namespace kvd::gui {

// The function-set panel `Frame2`: six selection-only lists with their captions. The
// positions it shows are the core's settings of the panel; a choice of the user is written
// there. Its texts follow the interface language; items change in place, selections stay.
class FunctionPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FunctionPanel(Settings& settings, QWidget* parent = nullptr);

    QComboBox* list(PanelList which) const { return lists_[static_cast<int>(which)]; }

    // Shows the core's positions without treating them as the user's choice.
    void showChoices();

signals:
    // The user chose another position in a list; the settings hold it already.
    void choiceMade();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::int16_t& choice(PanelList which);

    Settings& settings_;
    Captions captions_;
    std::array<QLabel*, PanelLists::kCount> labels_{};
    std::array<QComboBox*, PanelLists::kCount> lists_{};
};

}  // namespace kvd::gui

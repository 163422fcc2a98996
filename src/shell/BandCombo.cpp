#include "shell/BandCombo.h"

#include <QSignalBlocker>

#include "channels/BandSelection.h"
#include "channels/BandTable.h"

namespace kvd::gui {

BandCombo::BandCombo(BandSelection& band, QWidget* parent) : QComboBox(parent), band_(band) {
    setObjectName(QStringLiteral("Combo1"));
    // The band texts are the same in both languages.
    for (int position = 0; position < BandTable::kCount; ++position) {
        addItem(QString::fromLatin1(BandTable::At(position).text));
    }
}

void BandCombo::showPopup() {
    band_.ListOpened();
    QComboBox::showPopup();
}

void BandCombo::showBand() {
    const QSignalBlocker quiet(this);
    setCurrentIndex(band_.position());
}

}  // namespace kvd::gui

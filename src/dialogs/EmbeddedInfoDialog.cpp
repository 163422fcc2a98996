#include "dialogs/EmbeddedInfoDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogCaptions.h"
#include "dialogs/DialogFit.h"
#include "dialogs/FieldRule.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"

namespace kvd::gui {

namespace {

// What one line of the image holds.
const int kLineLength = static_cast<int>(FieldTable::Of(&Settings::embeddedInfo).width);

}  // namespace

EmbeddedInfoDialog::EmbeddedInfoDialog(MainWindow& owner) : ModelessDialog(owner, "Form7") {
    auto* layout = new QVBoxLayout(this);
    const char* names[] = {"Text1", "Text2"};
    for (int line = 0; line < 2; ++line) {
        lines_[line] =
            MakeRuledField(this, names[line], {FieldRule::Characters::OneByte, kLineLength});
        // Room for a full line of wide characters.
        lines_[line]->setMinimumWidth(
            lines_[line]->fontMetrics().horizontalAdvance(QString(kLineLength + 2, u'W')));
        layout->addWidget(lines_[line]);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitDialogCaptions(this, DialogCaptions::EmbeddedInformation());
}

void EmbeddedInfoDialog::fill() {
    for (int line = 0; line < 2; ++line) {
        ShowStored(lines_[line], QString::fromStdString(state().settings.embeddedInfo[line]));
    }
}

void EmbeddedInfoDialog::store() {
    for (int line = 0; line < 2; ++line) {
        state().settings.embeddedInfo[line] = lines_[line]->text().toStdString();
    }
}

}  // namespace kvd::gui

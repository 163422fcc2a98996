#include "dialogs/EmbeddedInfoDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/FieldRule.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace {

// What one line of the image holds.
const int kLineLength = static_cast<int>(FieldTable::Of(&Settings::embeddedInfo).width);

}  // namespace

EmbeddedInfoDialog::EmbeddedInfoDialog(DialogHost& host)
    : ModelessDialog(host, "Form7", TextIds::embedded::title) {
    auto* layout = new QVBoxLayout(this);
    const char* names[] = {"Text1", "Text2"};
    for (int line = 0; line < 2; ++line) {
        lines_[line] =
            MakeRuledField(this, names[line], {FieldRule::Characters::OneByte, kLineLength});
        // Room for a full line of wide characters.
        lines_[line]->setMinimumWidth(
            lines_[line]->fontMetrics().horizontalAdvance(QString(kLineLength + 2, u'W')));
        captions().addAccessibleName(
            lines_[line], UserText(TextIds::embedded::line, {UserText::Number(line + 1)}));
        layout->addWidget(lines_[line]);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    captionsDone();
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

#include "dialogs/DialogFit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QGroupBox>

#include "widgets/LanguageFit.h"

namespace kvd::gui {

namespace {

// The widest size hint the control takes under either text.
template <class Control, class Get, class Set>
void FitWidest(Control* control, const LocalText& text, Get get, Set set) {
    const QString shown = (control->*get)();
    int widest = 0;
    for (const char* candidate : {text.zh, text.en}) {
        (control->*set)(QString::fromUtf8(candidate));
        widest = std::max(widest, control->minimumSizeHint().width());
        widest = std::max(widest, control->sizeHint().width());
    }
    (control->*set)(shown);
    control->setMinimumWidth(widest);
}

}  // namespace

void FitDialogCaptions(QWidget* dialog, const CaptionTable& table) {
    FitCaptions(dialog, table);
    for (const Caption& caption : table.captions) {
        const QString name = QString::fromLatin1(caption.objectName);
        if (caption.kind != Caption::Text) {
            continue;
        }
        if (auto* button = dialog->findChild<QAbstractButton*>(name)) {
            FitWidest(button, caption.text, &QAbstractButton::text, &QAbstractButton::setText);
        } else if (auto* frame = dialog->findChild<QGroupBox*>(name)) {
            FitWidest(frame, caption.text, &QGroupBox::title, &QGroupBox::setTitle);
        }
    }
}

}  // namespace kvd::gui

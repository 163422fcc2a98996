#include "widgets/LanguageFit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace kvd::gui {

namespace {

int WidestText(const QFontMetrics& metrics, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest;
}

// The widest size hint the control takes under each of the texts.
template <class Control, class Get, class Set>
void FitWidestOf(Control* control, const QStringList& texts, Get get, Set set) {
    const QString shown = (control->*get)();
    int widest = 0;
    for (const QString& text : texts) {
        (control->*set)(text);
        widest =
            std::max({widest, control->minimumSizeHint().width(), control->sizeHint().width()});
    }
    (control->*set)(shown);
    control->setMinimumWidth(widest);
}

}  // namespace

void FitLabel(QLabel* label, const QStringList& texts) {
    // The label measures each text itself, margins and indent included.
    const QString shown = label->text();
    int widest = 0;
    for (const QString& text : texts) {
        label->setText(text);
        widest = std::max(widest, label->sizeHint().width());
    }
    label->setText(shown);
    label->setMinimumWidth(widest);
}

void FitWidest(QAbstractButton* button, const QStringList& texts) {
    FitWidestOf(button, texts, &QAbstractButton::text, &QAbstractButton::setText);
}

void FitWidest(QGroupBox* frame, const QStringList& texts) {
    FitWidestOf(frame, texts, &QGroupBox::title, &QGroupBox::setTitle);
}

int ComboWidthFor(const QComboBox* list, const QStringList& texts) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QSize content(WidestText(list->fontMetrics(), texts), list->fontMetrics().height());
    return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, list).width();
}

void FitComboItems(QComboBox* list, const QStringList& texts) {
    list->setMinimumWidth(ComboWidthFor(list, texts));
}

}  // namespace kvd::gui

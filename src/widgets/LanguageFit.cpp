#include "widgets/LanguageFit.h"

#include <QComboBox>
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

QStringList BothLanguages(const LocalText& text) {
    return {QString::fromUtf8(text.zh), QString::fromUtf8(text.en)};
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

void FitCaptions(QWidget* window, const CaptionTable& table) {
    for (const Caption& caption : table.captions) {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(caption.objectName));
        if (label && caption.kind == Caption::Text) {
            FitLabel(label, BothLanguages(caption.text));
        }
    }
    for (const ListCaption& caption : table.lists) {
        if (auto* list = window->findChild<QComboBox*>(QString::fromLatin1(caption.objectName))) {
            QStringList texts;
            for (const LocalText& item : caption.items) {
                texts << BothLanguages(item);
            }
            FitComboItems(list, texts);
        }
    }
}

}  // namespace kvd::gui

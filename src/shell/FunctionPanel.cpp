#include "shell/FunctionPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "image/FieldTable.h"
#include "settings/PanelLists.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/LanguageFit.h"

namespace kvd::gui {

namespace {

QString ItemText(PanelList which, int position, LanguageId language) {
    return Tr(PanelLists::Item(which, position), language);
}

}  // namespace

FunctionPanel::FunctionPanel(Settings& settings, QWidget* parent)
    : QGroupBox(parent), settings_(settings) {
    setObjectName(QStringLiteral("Frame2"));
    auto* layout = new QFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (PanelList which : PanelLists::kAll) {
        const auto& info = PanelLists::Info(which);
        const int i = static_cast<int>(which);
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QString::fromLatin1(info.labelName));
        lists_[i] = new QComboBox(this);
        lists_[i]->setObjectName(QString::fromLatin1(info.controlName));
        // Filled once; the language switch rewrites the texts in place.
        for (int position = 0; position < PanelLists::ItemCount(which); ++position) {
            lists_[i]->addItem(ItemText(which, position, kEnglish));
        }
        fitBothLanguages(which);
        labels_[i]->setBuddy(lists_[i]);
        layout->addRow(labels_[i], lists_[i]);
        connect(lists_[i], &QComboBox::currentIndexChanged, this, [this, which](int position) {
            choice(which) = static_cast<std::int16_t>(position);
        });
    }
}

std::int16_t& FunctionPanel::choice(PanelList which) {
    return settings_.*std::get<std::int16_t Settings::*>(FieldTable::Of(which).member);
}

void FunctionPanel::fitBothLanguages(PanelList which) {
    const int i = static_cast<int>(which);
    const TextId caption = PanelLists::Info(which).caption;
    FitLabel(labels_[i], {Tr(caption, kChinese), Tr(caption, kEnglish)});
    QStringList items;
    for (int position = 0; position < PanelLists::ItemCount(which); ++position) {
        items << ItemText(which, position, kChinese) << ItemText(which, position, kEnglish);
    }
    FitComboItems(lists_[i], items);
}

void FunctionPanel::applyLanguage(LanguageId language) {
    for (PanelList which : PanelLists::kAll) {
        const int i = static_cast<int>(which);
        labels_[i]->setText(Tr(PanelLists::Info(which).caption, language));
        for (int position = 0; position < lists_[i]->count(); ++position) {
            lists_[i]->setItemText(position, ItemText(which, position, language));
        }
    }
}

void FunctionPanel::showChoices() {
    for (PanelList which : PanelLists::kAll) {
        QComboBox* box = lists_[static_cast<int>(which)];
        const QSignalBlocker quiet(box);
        // A position the list lacks shows no selection rather than a wrong one.
        box->setCurrentIndex(choice(which) < box->count() ? choice(which) : -1);
    }
}

}  // namespace kvd::gui

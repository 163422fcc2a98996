#include "shell/FunctionPanel.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "image/FieldTable.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace {

// The panel's controls, top to bottom, in PanelList order.
struct ControlNames {
    const char* list;
    const char* label;
};
constexpr std::array<ControlNames, PanelLists::kCount> kNames = {{
    {"Combo2", "Label4"},
    {"Combo3", "Label5"},
    {"Combo4", "Label1"},
    {"Combo9", "Label6"},
    {"Combo6", "Label7"},
    {"Combo7", "Label8"},
}};

}  // namespace

FunctionPanel::FunctionPanel(Settings& settings, QWidget* parent)
    : QGroupBox(parent), settings_(settings) {
    setObjectName(QStringLiteral("Frame2"));
    captions_.add(this, TextIds::main::functionFrame);
    auto* layout = new QFormLayout(this);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (PanelList which : PanelLists::kAll) {
        const int i = static_cast<int>(which);
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QString::fromLatin1(kNames[i].label));
        captions_.add(labels_[i], SettingWords::Caption(FieldTable::Of(which)));
        lists_[i] = new QComboBox(this);
        lists_[i]->setObjectName(QString::fromLatin1(kNames[i].list));
        // Filled once; the language switch rewrites the texts in place.
        const std::vector<UserText> items = SettingWords::Items(FieldTable::Of(which));
        for (std::size_t item = 0; item < items.size(); ++item) {
            lists_[i]->addItem(QString());
        }
        captions_.addItems(lists_[i], items);
        labels_[i]->setBuddy(lists_[i]);
        layout->addRow(labels_[i], lists_[i]);
        connect(lists_[i], &QComboBox::currentIndexChanged, this, [this, which](int position) {
            // Showing the stored positions again is no choice of the user's.
            const auto value =
                static_cast<std::int16_t>(SettingWords::ValueAt(FieldTable::Of(which), position));
            if (choice(which) != value) {
                choice(which) = value;
                emit choiceMade();
            }
        });
    }
    captions_.fitBothLanguages();
    captions_.apply();
}

void FunctionPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
    }
    QGroupBox::changeEvent(event);
}

std::int16_t& FunctionPanel::choice(PanelList which) {
    return settings_.*std::get<std::int16_t Settings::*>(FieldTable::Of(which).member);
}

void FunctionPanel::showChoices() {
    for (PanelList which : PanelLists::kAll) {
        QComboBox* box = lists_[static_cast<int>(which)];
        const QSignalBlocker quiet(box);
        // A position the list lacks shows no selection rather than a wrong one.
        box->setCurrentIndex(SettingWords::PositionOf(FieldTable::Of(which), choice(which)));
    }
}

}  // namespace kvd::gui

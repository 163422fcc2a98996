#include "dialogs/PowerDebugDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace {

// Both levels take what their byte holds.
const int kLargestLevel = FieldTable::Of(&Settings::highPowerLevel).userRange().highest;
constexpr int kLargeStep = 5;
constexpr int kSliderWidth = 260;

}  // namespace

PowerDebugDialog::PowerDebugDialog(DialogHost& host)
    : ModelessDialog(host, "Form2", TextIds::power::title) {
    auto caption = [](std::int16_t Settings::*level) {
        return SettingWords::Caption(FieldTable::Of(level));
    };
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(levelFrame({"Frame1", "Slider1", "Label3", "Label8", "Lblpower1"},
                                 caption(&Settings::highPowerLevel), high_));
    layout->addWidget(levelFrame({"Frame2", "Slider3", "Label6", "Label7", "Lblpower3"},
                                 caption(&Settings::lowPowerLevel), low_));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setSlidersEnabled(false);
    captionsDone();
}

QWidget* PowerDebugDialog::levelFrame(const LevelNames& names, TextId caption, Level& level) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QString::fromLatin1(names.frame));
    captions().add(frame, caption);
    level.slider = new QSlider(Qt::Horizontal, frame);
    level.slider->setObjectName(QString::fromLatin1(names.slider));
    captions().addAccessibleName(level.slider, caption);
    level.slider->setRange(0, kLargestLevel);
    level.slider->setSingleStep(1);
    level.slider->setPageStep(kLargeStep);
    level.slider->setMinimumWidth(kSliderWidth);
    level.value = new QLabel(frame);
    level.value->setObjectName(QString::fromLatin1(names.value));
    level.value->setAlignment(Qt::AlignCenter);
    level.value->setMinimumWidth(
        level.value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(level.slider, &QSlider::valueChanged, level.value,
            [value = level.value](int shown) { value->setText(QString::number(shown)); });
    auto* layout = new QGridLayout(frame);
    auto* low = new QLabel(frame);
    low->setObjectName(QString::fromLatin1(names.low));
    captions().add(low, TextIds::power::minimum);
    auto* high = new QLabel(frame);
    high->setObjectName(QString::fromLatin1(names.high));
    captions().add(high, TextIds::power::maximum);
    high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(level.slider, 0, 0, 1, 2);
    layout->addWidget(level.value, 0, 2);
    layout->addWidget(low, 1, 0);
    layout->addWidget(high, 1, 1);
    return frame;
}

void PowerDebugDialog::setSlidersEnabled(bool enabled) {
    high_.slider->setEnabled(enabled);
    low_.slider->setEnabled(enabled);
}

void PowerDebugDialog::fill() {
    const ProgramFlags& flags = state().flags;
    // Other values of the flag leave the sliders as they are.
    if (flags.DebugAccess == 0 || flags.DebugAccess == 1) {
        setSlidersEnabled(flags.DebugAccess == 1);
    }
    const Settings& settings = state().settings;
    for (auto [level, stored] :
         {std::pair{&high_, settings.highPowerLevel}, {&low_, settings.lowPowerLevel}}) {
        level->slider->setValue(stored);
        level->value->setText(QString::number(level->slider->value()));
    }
}

void PowerDebugDialog::store() {
    Settings& settings = state().settings;
    settings.highPowerLevel = static_cast<std::int16_t>(high_.slider->value());
    settings.lowPowerLevel = static_cast<std::int16_t>(low_.slider->value());
}

}  // namespace kvd::gui

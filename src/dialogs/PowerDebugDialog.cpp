#include "dialogs/PowerDebugDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "dialogs/DialogCaptions.h"
#include "dialogs/DialogFit.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"

namespace kvd::gui {

namespace {

// Both levels take what their byte holds.
const int kLargestLevel = FieldTable::Of(&Settings::highPowerLevel).userRange().highest;
constexpr int kLargeStep = 5;
constexpr int kSliderWidth = 260;

}  // namespace

PowerDebugDialog::PowerDebugDialog(MainWindow& owner) : ModelessDialog(owner, "Form2") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(powerFrame("Frame1", "Slider1", "Label3", "Label8", "Lblpower1"));
    layout->addWidget(powerFrame("Frame2", "Slider3", "Label6", "Label7", "Lblpower3"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    high_ = findChild<QSlider*>(QStringLiteral("Slider1"));
    low_ = findChild<QSlider*>(QStringLiteral("Slider3"));
    setSlidersEnabled(false);
    FitDialogCaptions(this, DialogCaptions::PowerDebug());
}

QWidget* PowerDebugDialog::powerFrame(const char* frameName, const char* sliderName,
                                      const char* lowName, const char* highName,
                                      const char* valueName) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QString::fromLatin1(frameName));
    auto* slider = new QSlider(Qt::Horizontal, frame);
    slider->setObjectName(QString::fromLatin1(sliderName));
    slider->setRange(0, kLargestLevel);
    slider->setSingleStep(1);
    slider->setPageStep(kLargeStep);
    slider->setMinimumWidth(kSliderWidth);
    auto* value = new QLabel(frame);
    value->setObjectName(QString::fromLatin1(valueName));
    value->setAlignment(Qt::AlignCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(slider, &QSlider::valueChanged, value,
            [value](int level) { value->setText(QString::number(level)); });
    auto* layout = new QGridLayout(frame);
    auto* low = new QLabel(frame);
    low->setObjectName(QString::fromLatin1(lowName));
    auto* high = new QLabel(frame);
    high->setObjectName(QString::fromLatin1(highName));
    high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(slider, 0, 0, 1, 2);
    layout->addWidget(value, 0, 2);
    layout->addWidget(low, 1, 0);
    layout->addWidget(high, 1, 1);
    return frame;
}

void PowerDebugDialog::setSlidersEnabled(bool enabled) {
    high_->setEnabled(enabled);
    low_->setEnabled(enabled);
}

void PowerDebugDialog::fill() {
    const ProgramFlags& flags = state().flags;
    // Other values of the flag leave the sliders as they are.
    if (flags.DebugAccess == 0 || flags.DebugAccess == 1) {
        setSlidersEnabled(flags.DebugAccess == 1);
    }
    const Settings& settings = state().settings;
    high_->setValue(settings.highPowerLevel);
    low_->setValue(settings.lowPowerLevel);
    findChild<QLabel*>(QStringLiteral("Lblpower1"))->setText(QString::number(high_->value()));
    findChild<QLabel*>(QStringLiteral("Lblpower3"))->setText(QString::number(low_->value()));
}

void PowerDebugDialog::store() {
    Settings& settings = state().settings;
    settings.highPowerLevel = static_cast<std::int16_t>(high_->value());
    settings.lowPowerLevel = static_cast<std::int16_t>(low_->value());
}

}  // namespace kvd::gui

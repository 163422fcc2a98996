#include "dialogs/DebugFrequencyDialog.h"

#include <array>

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "channels/DebugFrequencyRules.h"
#include "dialogs/CellEditorDelegate.h"
#include "dialogs/DialogGrid.h"
#include "image/RadioState.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Rules = DebugFrequencyRules;

constexpr int kReceive = 1;
constexpr int kTransmit = 2;
constexpr std::array<int, 3> kColumnTwips = {900, 1530, 1530};
constexpr int kRowTwips = 300;

std::string Text(const QString& text) {
    return text.toStdString();
}

// The grid holds what the rules made of a typed value, or a frequency as the image held it.
std::optional<Frequency> FrequencyOf(const QString& text) {
    return ParseFrequencyText(Text(text));
}

}  // namespace

DebugFrequencyDialog::DebugFrequencyDialog(DialogHost& host)
    : ModelessDialog(host, "Form4", TextIds::debugFrequency::title) {
    grid_ = new DialogGrid(this, "mfgrid1", Settings::kDebugRows + 1, kColumnTwips, kRowTwips,
                           Qt::AlignCenter);
    captions().addAccessibleName(grid_, TextIds::debugFrequency::title);
    for (int row = 0; row <= Settings::kDebugRows; ++row) {
        grid_->setText(row, 0, QStringLiteral("%1").arg(row, 2, 10, QChar(u'0')));
    }
    // Typing is free apart from characters the image cannot hold; the rules make a
    // frequency of whatever was typed.
    grid_->setItemDelegate(new CellEditorDelegate(
        grid_, {FieldRule::Characters::OneByte, 0},
        [this](int row, int column, const QString& typed) { edited(row, column, typed); },
        [this](int row, int column) { return canEdit(row, column); }));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    captionsDone();
}

void DebugFrequencyDialog::retranslate() {
    namespace Id = TextIds::debugFrequency;
    const std::array<TextId, 3> headers = {Id::channel, Id::receive, Id::transmit};
    for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
        grid_->setText(0, column, Tr(headers[column]));
    }
}

bool DebugFrequencyDialog::canEdit(int row, int column) const {
    return column != kTransmit || Rules::CanEditTransmit(Text(grid_->text(row, kReceive)));
}

void DebugFrequencyDialog::edited(int row, int column, const QString& typed) {
    if (column == kReceive) {
        if (const auto receive = Rules::SnapReceive(Text(typed))) {
            grid_->setText(row, kReceive, QString::fromStdString(*receive));
            grid_->setText(row, kTransmit, QString::fromStdString(*receive));
        }
    } else if (column == kTransmit) {
        const auto transmit = Rules::SnapTransmit(Text(typed), Text(grid_->text(row, kReceive)));
        if (transmit) {
            grid_->setText(row, kTransmit, QString::fromStdString(*transmit));
        }
    }
}

void DebugFrequencyDialog::fill() {
    const auto& rows = state().settings.debugFrequencies;
    for (int row = 1; row <= Settings::kDebugRows; ++row) {
        grid_->setText(row, kReceive, QString::fromStdString(FrequencyText(rows[row - 1].receive)));
        grid_->setText(row, kTransmit,
                       QString::fromStdString(FrequencyText(rows[row - 1].transmit)));
    }
}

void DebugFrequencyDialog::store() {
    auto& rows = state().settings.debugFrequencies;
    for (int row = 1; row <= Settings::kDebugRows; ++row) {
        rows[row - 1].receive = FrequencyOf(grid_->text(row, kReceive));
        rows[row - 1].transmit = FrequencyOf(grid_->text(row, kTransmit));
    }
}

}  // namespace kvd::gui

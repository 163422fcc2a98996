// What the optional-function dialog does with the settings: filling, storing, the priority
// rules and the auto-dial memories.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include <cmath>

#include "channels/Raster.h"
#include "dialogs/DialogGrid.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/FieldRule.h"
#include "dialogs/OptionalFunctionDialog.h"
#include "dialogs/OptionalFunctionTable.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "shell/MainWindow.h"
#include "shell/MessageBoxStyle.h"

namespace kvd::gui {

namespace {

namespace Table = OptionalFunctionTable;

// What one auto-dial memory holds.
const int kMemoryLength = static_cast<int>(FieldTable::Of(&Settings::autoDialMemories).width);
constexpr int kPriorityNo = 0;
constexpr int kPriorityFixed = 1;

QString Local(const std::string& text) {
    return QString::fromStdString(text);
}

// A delay as typed: none when the box is empty, else its leading number as the radio's
// 16-bit field holds it.
std::optional<std::int16_t> Seconds(const QString& typed) {
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    const double number = LeadingNumber(typed.toStdString());
    const long whole = std::abs(number) < 1e18 ? std::lround(number) : 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(whole & 0xFFFF));
}

// Whole seconds within the field's range; empty stands for "no delay entered".
bool IsScanDelay(const QString& text, const FieldTable::Range& range) {
    if (text.isEmpty()) {
        return true;
    }
    const bool digits =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits && text.size() <= 5 && range.contains(text.toInt());
}

}  // namespace

void OptionalFunctionDialog::fill() {
    for (const OptionalList& list : Table::LeadingLists()) {
        fillList(list);
    }
    const Settings& settings = state().settings;
    for (const DelayField& field : Table::DelayFields()) {
        const std::optional<std::int16_t>& seconds = settings.*field.member;
        ShowStored(findChild<QLineEdit*>(QString::fromLatin1(field.name)),
                   seconds ? QString::number(*seconds) : QString());
    }
    for (const CodeField& field : Table::CodeFields()) {
        ShowStored(findChild<QLineEdit*>(QString::fromLatin1(field.name)),
                   Local(settings.*field.member));
    }
    for (const CheckField& check : Table::CheckBoxes()) {
        findChild<QCheckBox*>(QString::fromLatin1(check.name))->setChecked(settings.*check.member);
    }
    for (int memory = 1; memory <= Settings::kAutoDialMemories; ++memory) {
        memories_->setText(memory, 1, Local(settings.autoDialMemories[memory - 1]));
    }
    for (const OptionalList& list : Table::DtmfLists()) {
        fillList(list);
    }
}

void OptionalFunctionDialog::fillList(const OptionalList& list) {
    QComboBox* box = lists_.at(QString::fromLatin1(list.name));
    const int value = Table::Read(state().settings, list.setting);
    selectQuietly(box, Table::IndexOf(list.setting, value, box->count()));
    // Filling the priority lists runs their rules as a user's choice would.
    if (box == priority_) {
        priorityChanged(box->currentIndex());
    } else if (box == priorityChannel_) {
        priorityChannelChanged(box->currentIndex());
    }
}

void OptionalFunctionDialog::accept() {
    if (scanDelaysTaken()) {
        ModelessDialog::accept();
    }
}

bool OptionalFunctionDialog::scanDelaysTaken() {
    for (const DelayField& delay : Table::DelayFields()) {
        auto* field = findChild<QLineEdit*>(QString::fromLatin1(delay.name));
        const FieldTable::Range range = FieldTable::Of(delay.member).userRange();
        if (IsScanDelay(field->text(), range)) {
            continue;
        }
        const QString caption =
            findChild<QLabel*>(QStringLiteral("lbl") + field->objectName())->text();
        owner().LocalizedMessageBox(
            QString::fromUtf8(DialogMessages::kScanDelayRange.pick(state().flags.Language))
                .arg(caption)
                .arg(range.lowest)
                .arg(range.highest),
            MessageBoxStyle::kOk | MessageBoxStyle::kExclamation);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    return true;
}

void OptionalFunctionDialog::store() {
    Settings& settings = state().settings;
    for (auto lists : {Table::LeadingLists(), Table::DtmfLists()}) {
        for (const OptionalList& list : lists) {
            storeList(list);
        }
    }
    for (const DelayField& field : Table::DelayFields()) {
        settings.*field.member =
            Seconds(findChild<QLineEdit*>(QString::fromLatin1(field.name))->text());
    }
    for (const CodeField& field : Table::CodeFields()) {
        settings.*field.member =
            findChild<QLineEdit*>(QString::fromLatin1(field.name))->text().toStdString();
    }
    for (const CheckField& check : Table::CheckBoxes()) {
        settings.*check.member =
            findChild<QCheckBox*>(QString::fromLatin1(check.name))->isChecked();
    }
    for (int memory = 1; memory <= Settings::kAutoDialMemories; ++memory) {
        settings.autoDialMemories[memory - 1] = memories_->text(memory, 1).toStdString();
    }
}

void OptionalFunctionDialog::storeList(const OptionalList& list) {
    const QComboBox* box = lists_.at(QString::fromLatin1(list.name));
    const int index = std::max(box->currentIndex(), 0);
    Table::Write(state().settings, list.setting, Table::ValueOf(list.setting, index));
}

void OptionalFunctionDialog::selectQuietly(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

int OptionalFunctionDialog::firstProgrammedChannel() {
    const Channels& channels = state().channels;
    for (int channel = 1; channel <= Channels::kCount; ++channel) {
        if (channels.has(channel)) {
            return channel;
        }
    }
    return 0;
}

void OptionalFunctionDialog::priorityChanged(int index) {
    if (index != kPriorityFixed) {
        return;
    }
    if (const int channel = firstProgrammedChannel()) {
        rememberedPriorityChannel_ = static_cast<std::int16_t>(channel);
        selectQuietly(priorityChannel_, channel - 1);
        return;
    }
    owner().LocalizedMessageBox(QString::fromUtf8(DialogMessages::kFixedNeedsChannel),
                                MessageBoxStyle::kOk,
                                QString::fromUtf8(DialogMessages::kFixedNeedsChannelTitle));
    selectQuietly(priority_, kPriorityNo);
}

void OptionalFunctionDialog::priorityChannelChanged(int index) {
    if (priority_->currentIndex() != kPriorityFixed || state().channels.has(index + 1)) {
        return;
    }
    owner().LocalizedMessageBox(QString::fromUtf8(DialogMessages::kEmptyChannelRefused),
                                MessageBoxStyle::kOk);
    // "Fixed" is only ever reached through the priority rule, which remembers a channel;
    // the first item stands in should that ever not hold.
    selectQuietly(priorityChannel_, std::max(rememberedPriorityChannel_ - 1, 0));
}

void OptionalFunctionDialog::memoryEdited(int row, const QString& typed) {
    memories_->setText(row, 1, typed);
    // After the edit has closed, so the message does not interrupt the grid's own handling.
    QTimer::singleShot(0, this, [this, row] { warnIfMemoryTooLong(row); });
}

void OptionalFunctionDialog::warnIfMemoryTooLong(int row) {
    if (memories_->text(row, 1).size() <= kMemoryLength) {
        return;
    }
    // Only a warning: the memory keeps what was typed.
    owner().LocalizedMessageBox(QString::fromUtf8(DialogMessages::kMemoryTooLong),
                                MessageBoxStyle::kOk | MessageBoxStyle::kCritical);
}

}  // namespace kvd::gui

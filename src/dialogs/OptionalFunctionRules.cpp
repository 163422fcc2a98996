// What the optional-function dialog does with the settings: filling, storing, the priority
// rules and the auto-dial memories.
#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include "channels/Raster.h"
#include "dialogs/DialogGrid.h"
#include "dialogs/FieldRule.h"
#include "dialogs/OptionalFunctionDialog.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "texts/TextIds.h"
#include "widgets/DialogHost.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Table = OptionalFunctionTable;
namespace Id = TextIds::optional;

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
    for (const ListRow& row : Table::LeadingLists()) {
        fillList(row);
    }
    const Settings& settings = state().settings;
    for (const DelayRow& delay : Table::DelayFields()) {
        const std::optional<std::int16_t>& seconds = settings.*delay.member;
        ShowStored(controls_.*delay.field, seconds ? QString::number(*seconds) : QString());
    }
    for (const CodeRow& code : Table::CodeFields()) {
        ShowStored(controls_.*code.field, Local(settings.*code.member));
    }
    for (const CheckRow& check : Table::CheckBoxes()) {
        (controls_.*check.box)->setChecked(settings.*check.member);
    }
    for (int memory = 1; memory <= Settings::kAutoDialMemories; ++memory) {
        controls_.memories->setText(memory, 1, Local(settings.autoDialMemories[memory - 1]));
    }
    for (const ListRow& row : Table::DtmfLists()) {
        fillList(row);
    }
}

void OptionalFunctionDialog::fillList(const ListRow& row) {
    QComboBox* list = controls_.*row.control;
    const int value = state().settings.*row.member;
    selectQuietly(list, Table::IndexOf(row, value, list->count()));
    // Filling the priority lists runs their rules as a user's choice would.
    if (list == controls_.priority) {
        priorityChanged(list->currentIndex());
    } else if (list == controls_.priorityChannel) {
        priorityChannelChanged(list->currentIndex());
    }
}

void OptionalFunctionDialog::accept() {
    if (scanDelaysTaken()) {
        ModelessDialog::accept();
    }
}

bool OptionalFunctionDialog::scanDelaysTaken() {
    for (const DelayRow& delay : Table::DelayFields()) {
        QLineEdit* field = controls_.*delay.field;
        const FieldTable::Range range = FieldTable::Of(delay.member).userRange();
        if (IsScanDelay(field->text(), range)) {
            continue;
        }
        host().LocalizedMessageBox(
            Tr(UserText(Id::scanDelayRange,
                        {Table::Caption(delay.member), UserText::Number(range.lowest),
                         UserText::Number(range.highest)})),
            MessageBoxStyle::kOk | MessageBoxStyle::kExclamation);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    return true;
}

void OptionalFunctionDialog::store() {
    Settings& settings = state().settings;
    for (auto rows : {Table::LeadingLists(), Table::DtmfLists()}) {
        for (const ListRow& row : rows) {
            storeList(row);
        }
    }
    for (const DelayRow& delay : Table::DelayFields()) {
        settings.*delay.member = Seconds((controls_.*delay.field)->text());
    }
    for (const CodeRow& code : Table::CodeFields()) {
        settings.*code.member = (controls_.*code.field)->text().toStdString();
    }
    for (const CheckRow& check : Table::CheckBoxes()) {
        settings.*check.member = (controls_.*check.box)->isChecked();
    }
    for (int memory = 1; memory <= Settings::kAutoDialMemories; ++memory) {
        settings.autoDialMemories[memory - 1] = controls_.memories->text(memory, 1).toStdString();
    }
}

void OptionalFunctionDialog::storeList(const ListRow& row) {
    const int index = std::max((controls_.*row.control)->currentIndex(), 0);
    state().settings.*row.member = static_cast<std::int16_t>(Table::ValueOf(row, index));
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
        selectQuietly(controls_.priorityChannel, channel - 1);
        return;
    }
    host().LocalizedMessageBox(Tr(Id::fixedNeedsChannel), MessageBoxStyle::kOk,
                               Tr(Id::fixedNeedsChannelTitle));
    selectQuietly(controls_.priority, kPriorityNo);
}

void OptionalFunctionDialog::priorityChannelChanged(int index) {
    if (controls_.priority->currentIndex() != kPriorityFixed || state().channels.has(index + 1)) {
        return;
    }
    host().LocalizedMessageBox(Tr(Id::emptyChannelRefused), MessageBoxStyle::kOk);
    // "Fixed" is only ever reached through the priority rule, which remembers a channel;
    // the first item stands in should that ever not hold.
    selectQuietly(controls_.priorityChannel, std::max(rememberedPriorityChannel_ - 1, 0));
}

void OptionalFunctionDialog::memoryEdited(int row, const QString& typed) {
    controls_.memories->setText(row, 1, typed);
    // After the edit has closed, so the message does not interrupt the grid's own handling.
    QTimer::singleShot(0, this, [this, row] { warnIfMemoryTooLong(row); });
}

void OptionalFunctionDialog::warnIfMemoryTooLong(int row) {
    if (controls_.memories->text(row, 1).size() <= kMemoryLength) {
        return;
    }
    // Only a warning: the memory keeps what was typed.
    host().LocalizedMessageBox(Tr(Id::memoryTooLong),
                               MessageBoxStyle::kOk | MessageBoxStyle::kCritical);
}

}  // namespace kvd::gui

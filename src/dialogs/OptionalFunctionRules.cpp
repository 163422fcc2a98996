// What the optional-function dialog does with the settings: filling, storing, the priority
// rules and the auto-dial memories.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include "dialogs/DialogGrid.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/FieldRule.h"
#include "dialogs/OptionalFunctionDialog.h"
#include "dialogs/OptionalFunctionTable.h"
#include "image/RadioState.h"
#include "image/Raster.h"
#include "shell/MainWindow.h"
#include "shell/MessageBoxStyle.h"

namespace kvd::gui {

namespace {

namespace Table = OptionalFunctionTable;

constexpr int kPriorityNo = 0;
constexpr int kPriorityFixed = 1;

QString Local(const std::string& text) {
    return QString::fromStdString(text);
}

// Whole seconds the radio takes; empty stands for 0, as the start-up settings have it.
bool IsScanDelay(const QString& text) {
    if (text.isEmpty()) {
        return true;
    }
    const bool digits =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits && text.size() <= 3 && text.toInt() <= DialogMessages::kLongestScanDelay;
}

}  // namespace

void OptionalFunctionDialog::fill() {
    for (const OptionalList& list : Table::LeadingLists()) {
        fillList(list);
    }
    ProgramSettings& settings = state().settings;
    for (const FieldSlot& field : Table::TextFields()) {
        ShowStored(findChild<QLineEdit*>(QString::fromLatin1(field.name)),
                   Local(settings.FunctionOptions[field.functionSlot]));
    }
    for (const FieldSlot& check : Table::CheckBoxes()) {
        findChild<QCheckBox*>(QString::fromLatin1(check.name))
            ->setChecked(LeadingNumber(settings.FunctionOptions[check.functionSlot]) == 1);
    }
    for (int group = 1; group <= ProgramSettings::kGroupCodes; ++group) {
        memories_->setText(group, 1, Local(settings.GroupCodes[group]));
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
    for (const char* name : {"Text5", "Text6"}) {
        auto* field = findChild<QLineEdit*>(QString::fromLatin1(name));
        if (IsScanDelay(field->text())) {
            continue;
        }
        const QString caption =
            findChild<QLabel*>(QStringLiteral("lbl") + field->objectName())->text();
        owner().LocalizedMessageBox(
            QString::fromUtf8(DialogMessages::kScanDelayRange.pick(state().flags.Language))
                .arg(caption),
            MessageBoxStyle::kOk | MessageBoxStyle::kExclamation);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    return true;
}

void OptionalFunctionDialog::store() {
    ProgramSettings& settings = state().settings;
    for (auto lists : {Table::LeadingLists(), Table::DtmfLists()}) {
        for (const OptionalList& list : lists) {
            storeList(list);
        }
    }
    for (const FieldSlot& field : Table::TextFields()) {
        settings.FunctionOptions[field.functionSlot] =
            findChild<QLineEdit*>(QString::fromLatin1(field.name))->text().toStdString();
    }
    for (const FieldSlot& check : Table::CheckBoxes()) {
        const bool checked = findChild<QCheckBox*>(QString::fromLatin1(check.name))->isChecked();
        settings.FunctionOptions[check.functionSlot] = std::to_string(checked ? 1 : 0);
    }
    for (int group = 1; group <= ProgramSettings::kGroupCodes; ++group) {
        settings.GroupCodes[group] = memories_->text(group, 1).toStdString();
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
    const ChannelTable& table = state().table;
    for (int channel = 1; channel <= ChannelTable::kChannels; ++channel) {
        if (table.hasChannel(channel)) {
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
    if (priority_->currentIndex() != kPriorityFixed || state().table.hasChannel(index + 1)) {
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
    if (memories_->text(row, 1).size() <= DialogMessages::kMemoryLength) {
        return;
    }
    // Only a warning: the memory keeps what was typed.
    owner().LocalizedMessageBox(QString::fromUtf8(DialogMessages::kMemoryTooLong),
                                MessageBoxStyle::kOk | MessageBoxStyle::kCritical);
}

}  // namespace kvd::gui

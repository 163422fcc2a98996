#include "dialogs/OptionalFunctionTable.h"

#include <algorithm>
#include <array>

#include "image/SettingWords.h"

namespace kvd::gui::OptionalFunctionTable {

namespace {

using C = Controls;
using Set = Settings;

// Captions of the scan group's retrace times and return channel form the gesture.
const std::array<ListRow, 11> kLeading = {{
    {&C::pttId, "Combo4", &Set::pttId},
    {&C::voxFunction, "Combo6", &Set::voxFunction},
    {&C::voxGain, "Combo7", &Set::voxGain},
    {&C::voxDelay, "Combo8", &Set::voxDelay},
    {&C::voxVolumeControl, "Combo9", &Set::voxVolumeControl},
    {&C::duplicate, "Combo10", &Set::duplicate},
    {&C::priority, "Combo11", &Set::scanPriority},
    {&C::priorityChannel, "Combo12", &Set::priorityChannel},
    {&C::retraceTimeA, "Combo13", &Set::retraceTimeA, 0},
    {&C::retraceTimeB, "Combo14", &Set::retraceTimeB, 1},
    {&C::returnChannel, "Combo15", &Set::returnChannel, 2},
}};

const std::array<ListRow, 8> kDtmf = {{
    {&C::dtmfRate, "Combo0", &Set::dtmfRate},
    {&C::firstDigitTime, "Combo16", &Set::firstDigitTime},
    {&C::firstDigitDelay, "Combo18", &Set::firstDigitDelay},
    {&C::starHashTone, "Combo17", &Set::starHashTone},
    {&C::dKeyFunction, "Combo19", &Set::dKeyFunction},
    {&C::dtmfSideTone, "Combo20", &Set::dtmfSideTone},
    {&C::groupCallCode, "Combo22", &Set::groupCallCode},
    {&C::autoResetTimer, "Combo21", &Set::autoResetTimer},
}};

const std::array<DelayRow, 2> kDelayFields = {{
    {&C::scanReceiveDelay, &C::scanReceiveSpinner, "Text5", "VScroll1", &Set::scanReceiveDelay},
    {&C::scanTransmitDelay, &C::scanTransmitSpinner, "Text6", "VScroll2", &Set::scanTransmitDelay},
}};

const std::array<CodeRow, 3> kCodeFields = {{
    {&C::idCode, "Text1", &Set::idCode},
    {&C::transmitStartCode, "Text3", &Set::transmitStartCode},
    {&C::transmitEndCode, "Text4", &Set::transmitEndCode},
}};

const std::array<CheckRow, 2> kCheckBoxes = {{
    {&C::voxCancelOperation, "Check3", &Set::voxCancelOperation},
    {&C::voxOffWhileReceiving, "Check4", &Set::voxOffWhileReceiving},
}};

}  // namespace

std::span<const ListRow> LeadingLists() {
    return kLeading;
}
std::span<const ListRow> DtmfLists() {
    return kDtmf;
}

const ListRow& Row(QComboBox* Controls::*control) {
    for (auto rows : {LeadingLists(), DtmfLists()}) {
        for (const ListRow& row : rows) {
            if (row.control == control) {
                return row;
            }
        }
    }
    return kLeading.front();  // every list has its row
}

std::span<const DelayRow> DelayFields() {
    return kDelayFields;
}
std::span<const CodeRow> CodeFields() {
    return kCodeFields;
}
std::span<const CheckRow> CheckBoxes() {
    return kCheckBoxes;
}

TextId Caption(const FieldTable::Member& member) {
    return SettingWords::Caption(FieldTable::Of(member));
}

int IndexOf(const ListRow& row, int value, int count) {
    const int index =
        SettingWords::PositionOf(SettingWords::UnitOf(FieldTable::Of(row.member)), value, count);
    return std::max(index, 0);
}

int ValueOf(const ListRow& row, int index) {
    return SettingWords::ValueAt(FieldTable::Of(row.member), index);
}

}  // namespace kvd::gui::OptionalFunctionTable

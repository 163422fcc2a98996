#include "dialogs/OptionalFunctionTable.h"

#include <array>
#include <cstdio>

#include "texts/TextIds.h"

namespace kvd::gui::OptionalFunctionTable {

namespace {

namespace Id = TextIds::optional;
using C = Controls;
using S = ListSetting;
using Set = Settings;
using Items = std::vector<UserText>;

UserText Number(int number) {
    return UserText::Number(number);
}

// `pattern` with each number from first to last.
Items Numbered(TextId pattern, int first, int last) {
    Items items;
    for (int i = first; i <= last; ++i) {
        items.push_back({pattern, {Number(i)}});
    }
    return items;
}

Items Joined(Items head, const Items& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Items OffOn() {
    return {Id::off, Id::on};
}
Items VoxGains() {
    Items items{Id::gainOff};
    for (int gain = 1; gain <= 10; ++gain) {
        items.push_back(Number(gain));
    }
    return items;
}
Items VoxDelays() {
    Items items;
    for (const char* seconds : {"0.3", "0.5", "1", "1.5", "2", "3"}) {
        items.push_back({Id::voxDelayItem, {UserText::Verbatim(seconds)}});
    }
    return items;
}
Items PttIds() {
    return {Id::launchStart, Id::launchEnd, Id::launchBoth};
}
Items Priorities() {
    return {Id::priorityNo, Id::priorityFixed, Id::prioritySelected};
}
Items ChannelNumbers() {
    Items items;
    for (int channel = 1; channel <= 16; ++channel) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", channel);
        items.push_back(UserText::Verbatim(number));
    }
    return items;
}
// Empty, then 0.50 S to 5.00 S in steps of 0.05 s; counted in hundredths so no step drifts.
Items RetraceTimes() {
    Items items{Id::empty};
    for (int hundredths = 50; hundredths <= 500; hundredths += 5) {
        char seconds[8];
        std::snprintf(seconds, sizeof seconds, "%d.%02d", hundredths / 100, hundredths % 100);
        items.push_back({Id::retraceTime, {UserText::Verbatim(seconds)}});
    }
    return items;
}
Items ReturnChannels() {
    return {Id::returnSelected, Id::returnSelectedCurrent, Id::returnPriority,
            Id::returnPriorityCurrent};
}

// The DTMF group reads the same in both languages.
Items DtmfRates() {
    Items items;
    for (int digits : {6, 8, 10, 15}) {
        items.push_back({Id::digits, {Number(digits)}});
    }
    return items;
}
Items DigitTimes() {
    return Joined({Id::dtmfOff}, {{Id::milliseconds, {Number(100)}},
                                  {Id::milliseconds, {Number(500)}},
                                  {Id::milliseconds, {Number(1000)}}});
}
Items DigitDelays() {
    Items items;
    for (int ms = 100; ms <= 1000; ms += 50) {
        items.push_back({Id::milliseconds, {Number(ms)}});
    }
    return items;
}
Items DKey() {
    return Joined({Id::dCode}, Numbered(Id::seconds, 1, 16));
}
Items SideTone() {
    return {Id::sideToneOff, Id::sideToneOn};
}
Items GroupCall() {
    Items items{Id::dtmfNone};
    for (const char* code : {"*", "#", "A", "B", "C", "D"}) {
        items.push_back(UserText::Verbatim(code));
    }
    return items;
}
Items ResetTimer() {
    return Joined({Id::dtmfNone}, Numbered(Id::seconds, 1, 15));
}

// Captions of the scan group's retrace times and return channel form the gesture.
const std::array<ListRow, 11> kLeading = {{
    {&C::pttId, "Combo4", Id::pttId, {&Set::pttId}, PttIds},
    {&C::voxFunction, "Combo6", Id::voxFunction, {&Set::voxFunction}, OffOn},
    {&C::voxGain, "Combo7", Id::voxGain, {&Set::voxGain}, VoxGains},
    {&C::voxDelay, "Combo8", Id::voxDelay, {&Set::voxDelay}, VoxDelays},
    {&C::voxVolumeControl, "Combo9", Id::voxVolumeControl, {&Set::voxVolumeControl}, OffOn},
    {&C::duplicate, "Combo10", Id::duplicate, {&Set::duplicate}, OffOn},
    {&C::priority, "Combo11", Id::priority, {&Set::scanPriority}, Priorities},
    {&C::priorityChannel,
     "Combo12",
     Id::priorityChannel,
     {&Set::priorityChannel, S::ChannelNumber},
     ChannelNumbers},
    {&C::retraceTimeA, "Combo13", Id::retraceTimeA, {&Set::retraceTimeA}, RetraceTimes, 0},
    {&C::retraceTimeB, "Combo14", Id::retraceTimeB, {&Set::retraceTimeB}, RetraceTimes, 1},
    {&C::returnChannel, "Combo15", Id::returnChannel, {&Set::returnChannel}, ReturnChannels, 2},
}};

const std::array<ListRow, 8> kDtmf = {{
    {&C::dtmfRate, "Combo0", Id::dtmfRate, {&Set::dtmfRate}, DtmfRates},
    {&C::firstDigitTime, "Combo16", Id::firstDigitTime, {&Set::firstDigitTime}, DigitTimes},
    {&C::firstDigitDelay,
     "Combo18",
     Id::firstDigitDelay,
     {&Set::firstDigitDelay, S::Milliseconds},
     DigitDelays},
    {&C::starHashTone, "Combo17", Id::starHashTone, {&Set::starHashTone}, DigitTimes},
    {&C::dKeyFunction, "Combo19", Id::dKeyFunction, {&Set::dKeyFunction}, DKey},
    {&C::dtmfSideTone, "Combo20", Id::dtmfSideTone, {&Set::dtmfSideTone}, SideTone},
    {&C::groupCallCode, "Combo22", Id::groupCallCode, {&Set::groupCallCode}, GroupCall},
    {&C::autoResetTimer, "Combo21", Id::autoResetTimer, {&Set::autoResetTimer}, ResetTimer},
}};

const std::array<DelayRow, 2> kDelayFields = {{
    {&C::scanReceiveDelay, &C::scanReceiveSpinner, "Text5", "VScroll1", Id::scanReceiveDelay,
     &Set::scanReceiveDelay},
    {&C::scanTransmitDelay, &C::scanTransmitSpinner, "Text6", "VScroll2", Id::scanTransmitDelay,
     &Set::scanTransmitDelay},
}};

const std::array<CodeRow, 3> kCodeFields = {{
    {&C::idCode, "Text1", Id::idCode, &Set::idCode},
    {&C::transmitStartCode, "Text3", Id::transmitStartCode, &Set::transmitStartCode},
    {&C::transmitEndCode, "Text4", Id::transmitEndCode, &Set::transmitEndCode},
}};

const std::array<CheckRow, 2> kCheckBoxes = {{
    {&C::voxCancelOperation, "Check3", Id::voxCancelOperation, &Set::voxCancelOperation},
    {&C::voxOffWhileReceiving, "Check4", Id::voxOffWhileReceiving, &Set::voxOffWhileReceiving},
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

int IndexOf(const ListSetting& setting, int value, int count) {
    int index = value;
    if (setting.unit == S::ChannelNumber) {
        index = value - 1;
    } else if (setting.unit == S::Milliseconds) {
        index = value >= 100 && (value - 100) % 50 == 0 ? (value - 100) / 50 : -1;
    }
    return index >= 0 && index < count ? index : 0;
}

int ValueOf(const ListSetting& setting, int index) {
    switch (setting.unit) {
        case S::ChannelNumber:
            return index + 1;
        case S::Milliseconds:
            return 100 + 50 * index;
        case S::Index:
            break;
    }
    return index;
}

int Read(const Settings& settings, const ListSetting& setting) {
    return settings.*setting.member;
}

void Write(Settings& settings, const ListSetting& setting, int value) {
    settings.*setting.member = static_cast<std::int16_t>(value);
}

}  // namespace kvd::gui::OptionalFunctionTable

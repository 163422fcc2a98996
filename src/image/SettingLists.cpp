#include "image/SettingLists.h"

#include <cstdio>

#include "channels/BandTable.h"
#include "texts/TextIds.h"

namespace kvd::SettingLists {

namespace {

namespace Id = TextIds::optional;
namespace Panel = TextIds::panel;
namespace Keys = TextIds::keys;

UserText Number(int number) {
    return UserText::Number(number);
}

// `pattern` with each number from first to last.
Items Numbered(TextId pattern, int first, int last, int step = 1) {
    Items items;
    for (int i = first; i <= last; i += step) {
        items.push_back({pattern, {Number(i)}});
    }
    return items;
}

Items Joined(Items head, const Items& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

}  // namespace

Items VoicePrompts() {
    return {Panel::voiceOff, Panel::voiceChinese, Panel::voiceEnglish};
}
// 15 s to 600 s in steps of 15 s.
Items Timeouts() {
    return Numbered(Panel::seconds, 15, 600, 15);
}
Items TimeoutWarnings() {
    return Joined({Panel::warningOff}, Numbered(Panel::seconds, 1, 10));
}
Items SquelchGrades() {
    return Numbered(Panel::grade, 0, 9);
}
Items PanelOffOn() {
    return {Panel::off, Panel::on};
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
    return Numbered(Id::milliseconds, 100, 1000, 50);
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

Items KeyFunctions() {
    return {
        Keys::automaticDial,
        Keys::off,
        Keys::keysLock,
        Keys::keyLockBackup,
        Keys::surveillance,
        Keys::surveillanceInstant,
        Keys::scan,
        Keys::scanDeleteTemporary,
        Keys::floodlight,
        Keys::cancelStaticNoise,
        Keys::instantCancelStaticNoise,
        Keys::deleteTemporary,
    };
}

Items Bands() {
    Items items;
    for (int position = 0; position < BandTable::kCount; ++position) {
        items.push_back(UserText::Verbatim(BandTable::At(position).text));
    }
    return items;
}

}  // namespace kvd::SettingLists

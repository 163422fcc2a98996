#include "image/SettingWords.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "image/Overloaded.h"
#include "image/SettingLists.h"
#include "texts/TextIds.h"

namespace kvd::SettingWords {

namespace {

namespace L = SettingLists;
namespace Id = TextIds::optional;
namespace Panel = TextIds::panel;
using S = Settings;
using U = Unit;

struct Words {
    FieldTable::Member member;
    TextId caption;
    L::Items (*items)() = nullptr;  // nullptr: not a list
    Unit unit = U::Position;
    TextId element = {};  // one of several elements, %1 its number; none: caption and number
};

// clang-format off
const std::array<Words, 40> kWords = {{
    {&S::dtmfRate,             Id::dtmfRate,             L::DtmfRates},
    {&S::firstDigitTime,       Id::firstDigitTime,       L::DigitTimes},
    {&S::firstDigitDelay,      Id::firstDigitDelay,      L::DigitDelays, U::Milliseconds},
    {&S::starHashTone,         Id::starHashTone,         L::DigitTimes},
    {&S::dKeyFunction,         Id::dKeyFunction,         L::DKey},
    {&S::dtmfSideTone,         Id::dtmfSideTone,         L::SideTone},
    {&S::groupCallCode,        Id::groupCallCode,        L::GroupCall},
    {&S::autoResetTimer,       Id::autoResetTimer,       L::ResetTimer},
    {&S::pf1Function,          TextIds::keys::pf1,       L::KeyFunctions},
    {&S::pf2Function,          TextIds::keys::pf2,       L::KeyFunctions},
    {&S::idCode,               Id::idCode},
    {&S::voicePrompt,          Panel::voicePrompt,       L::VoicePrompts},
    {&S::transmitTimeout,      Panel::timeout,           L::Timeouts},
    {&S::timeoutWarning,       Panel::timeoutWarning,    L::TimeoutWarnings},
    {&S::pttId,                Id::pttId,                L::PttIds},
    {&S::squelchLevel,         Panel::squelch,           L::SquelchGrades},
    {&S::batterySave,          Panel::batterySave,       L::PanelOffOn},
    {&S::beep,                 Panel::beep,              L::PanelOffOn},
    {&S::voxCancelOperation,   Id::voxCancelOperation},
    {&S::voxOffWhileReceiving, Id::voxOffWhileReceiving},
    {&S::voxFunction,          Id::voxFunction,          L::OffOn},
    {&S::voxGain,              Id::voxGain,              L::VoxGains},
    {&S::voxDelay,             Id::voxDelay,             L::VoxDelays},
    {&S::voxVolumeControl,     Id::voxVolumeControl,     L::OffOn},
    {&S::duplicate,            Id::duplicate,            L::OffOn},
    {&S::transmitStartCode,    Id::transmitStartCode},
    {&S::transmitEndCode,      Id::transmitEndCode},
    {&S::scanPriority,         Id::priority,             L::Priorities},
    {&S::priorityChannel,      Id::priorityChannel,      L::ChannelNumbers, U::ChannelNumber},
    {&S::retraceTimeA,         Id::retraceTimeA,         L::RetraceTimes},
    {&S::retraceTimeB,         Id::retraceTimeB,         L::RetraceTimes},
    {&S::returnChannel,        Id::returnChannel,        L::ReturnChannels},
    {&S::scanReceiveDelay,     Id::scanReceiveDelay},
    {&S::scanTransmitDelay,    Id::scanTransmitDelay},
    {&S::highPowerLevel,       TextIds::power::high},
    {&S::lowPowerLevel,        TextIds::power::low},
    {std::monostate{},         TextIds::main::bandLabel, L::Bands},
    {&S::autoDialMemories,     Id::memories},
    {&S::debugFrequencies,     TextIds::debugFrequency::title},
    {&S::embeddedInfo,         TextIds::embedded::title, nullptr, U::Position, TextIds::embedded::line},
}};
// clang-format on

const Words& Of(const FieldTable::Field& field) {
    const auto found = std::find_if(kWords.begin(), kWords.end(),
                                    [&](const Words& w) { return w.member == field.member; });
    if (found == kWords.end()) {
        std::abort();  // a field without words: this table is behind the field table
    }
    return *found;
}

UserText TwoDigits(int n) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", n);
    return UserText::Verbatim(text);
}

}  // namespace

TextId Caption(const FieldTable::Field& field) {
    return Of(field).caption;
}

UserText ElementCaption(const FieldTable::Field& field, int element) {
    const Words& words = Of(field);
    if (field.codec == FieldTable::Codec::Frequency) {
        // Two values a row, receive then transmit, under the grid's column captions.
        namespace Debug = TextIds::debugFrequency;
        const TextId column = element % 2 == 0 ? Debug::receive : Debug::transmit;
        return {TextIds::diff::debugFrequency, {words.caption, TwoDigits(element / 2 + 1), column}};
    }
    if (field.count == 1) {
        return words.caption;
    }
    const UserText number = UserText::Number(element + 1);
    if (words.element.key) {
        return {words.element, {number}};
    }
    return {TextIds::diff::element, {words.caption, number}};
}

std::vector<UserText> Items(const FieldTable::Field& field) {
    const Words& words = Of(field);
    return words.items ? words.items() : std::vector<UserText>{};
}

Unit UnitOf(const FieldTable::Field& field) {
    return Of(field).unit;
}

int PositionOf(Unit unit, int value, int count) {
    int position = value;
    if (unit == U::ChannelNumber) {
        position = value - 1;
    } else if (unit == U::Milliseconds) {
        position = value >= 100 && (value - 100) % 50 == 0 ? (value - 100) / 50 : -1;
    }
    return position >= 0 && position < count ? position : -1;
}

int PositionOf(const FieldTable::Field& field, int value) {
    return PositionOf(UnitOf(field), value, static_cast<int>(Items(field).size()));
}

int ValueAt(Unit unit, int position) {
    switch (unit) {
        case U::ChannelNumber:
            return position + 1;
        case U::Milliseconds:
            return 100 + 50 * position;
        case U::Position:
            break;
    }
    return position;
}

int ValueAt(const FieldTable::Field& field, int position) {
    return ValueAt(UnitOf(field), position);
}

UserText ValueWords(const FieldTable::Field& field, const FieldValue& value) {
    auto number = [&](int n) {
        const std::vector<UserText> items = Items(field);
        const int position = PositionOf(UnitOf(field), n, static_cast<int>(items.size()));
        return position >= 0 ? items[position] : UserText::Number(n);
    };
    return std::visit(
        Overloaded{
            [](std::monostate) { return UserText(); }, [&](int n) { return number(n); },
            [](bool b) { return UserText(b ? Id::on : Id::off); },
            [](const std::string& text) { return UserText::Verbatim(text); },
            [](Frequency f) { return UserText::Verbatim(FrequencyText(f)); },
            [](auto) { return UserText(); },  // no setting holds channel values
        },
        value);
}

}  // namespace kvd::SettingWords

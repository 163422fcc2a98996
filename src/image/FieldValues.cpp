#include "image/FieldValues.h"

#include "image/Overloaded.h"
#include "image/RadioState.h"

namespace kvd {

FieldValue SettingValue(const FieldTable::Field& field, const RadioState& state, int element) {
    const Settings& s = state.settings;
    return std::visit(
        Overloaded{
            [&](std::monostate) -> FieldValue { return state.band.position(); },
            [&](std::int16_t Settings::*m) -> FieldValue { return int{s.*m}; },
            [&](bool Settings::*m) -> FieldValue { return s.*m; },
            [&](std::optional<std::int16_t> Settings::*m) -> FieldValue {
                return s.*m ? FieldValue(int{*(s.*m)}) : FieldValue();
            },
            [&](std::string Settings::*m) -> FieldValue { return s.*m; },
            [&](std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*m) -> FieldValue {
                const DebugFrequencyPair& pair = (s.*m)[element / 2];
                const std::optional<Frequency>& f = element % 2 == 0 ? pair.receive : pair.transmit;
                return f ? FieldValue(*f) : FieldValue();
            },
            [&](auto m) -> FieldValue { return (s.*m)[element]; },
        },
        field.member);
}

std::string ValueText(const FieldTable::Field& field, const RadioState& state, int element) {
    return std::visit(
        Overloaded{
            [](std::monostate) { return std::string(); }, [](int n) { return std::to_string(n); },
            [](bool b) { return std::string(b ? "1" : "0"); },
            [](const std::string& text) { return text; },
            [](Frequency f) { return FrequencyText(f); },
            [](auto) { return std::string(); },  // no row holds channel values
        },
        SettingValue(field, state, element));
}

bool IsNumeric(const FieldTable::Field& field) {
    switch (field.codec) {
        case FieldTable::Codec::Text:
        case FieldTable::Codec::GroupCode:
        case FieldTable::Codec::Frequency:
            return false;
        default:
            return true;
    }
}

}  // namespace kvd

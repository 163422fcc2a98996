#include "image/FieldValues.h"

#include "image/RadioState.h"

namespace kvd {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without deduction from aggregate initialisation (clang 14).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

std::string ValueText(const FieldTable::Field& field, const RadioState& state, int element) {
    const Settings& s = state.settings;
    return std::visit(Overloaded{
                          [&](std::monostate) { return std::to_string(state.band.position()); },
                          [&](std::int16_t Settings::*m) { return std::to_string(s.*m); },
                          [&](bool Settings::*m) { return std::string(s.*m ? "1" : "0"); },
                          [&](std::optional<std::int16_t> Settings::*m) {
                              return s.*m ? std::to_string(*(s.*m)) : std::string();
                          },
                          [&](std::string Settings::*m) { return s.*m; },
                          [&](std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*m) {
                              const DebugFrequencyPair& pair = (s.*m)[element / 2];
                              return FrequencyText(element % 2 == 0 ? pair.receive : pair.transmit);
                          },
                          [&](auto m) { return (s.*m)[element]; },
                      },
                      field.member);
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

#include "image/DifferenceTexts.h"
#include "image/Overloaded.h"

#include <array>
#include <cstdio>

#include "channels/ChannelCells.h"
#include "channels/ChoiceLists.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"

namespace kvd::DifferenceTexts {

namespace {

namespace Cells = ChannelCells;
namespace Id = TextIds::diff;
namespace Grid = TextIds::grid;

// The table's own captions, but the two tone columns told apart.
constexpr std::array<TextId, Cells::kColumns> kChannelFields = {
    Grid::channel, Grid::rxFrequency, Id::rxTone,    Grid::txFrequency, Id::txTone,
    Grid::power,   Grid::busyLock,    Id::bandwidth, Grid::scanAdd,
};

UserText TwoDigits(int n) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", n);
    return UserText::Verbatim(text);
}

}  // namespace

UserText ChannelHeading(int number) {
    return {Id::channel, {TwoDigits(number)}};
}

UserText FieldCaption(const FieldPlace& place) {
    if (place.isChannel()) {
        const bool known = place.column > 0 && place.column < Cells::kColumns;
        return known ? UserText(kChannelFields[place.column]) : UserText();
    }
    if (!place.field) {
        return {};
    }
    // The caption the window shows, and the name scripts and `kvd270-cli fields` know it by.
    return {Id::named,
            {SettingWords::ElementCaption(*place.field, place.element),
             UserText::Verbatim(place.field->name)}};
}

UserText ValueText(const FieldPlace& place, const FieldValue& value) {
    if (place.field) {
        return SettingWords::ValueWords(*place.field, value);
    }
    auto choice = [&](auto position) {
        return ChoiceLists::Text(place.column, static_cast<int>(position));
    };
    return std::visit(Overloaded{
                          [](std::monostate) { return UserText(); },
                          [](int n) { return UserText::Number(n); },
                          [](bool b) { return UserText::Verbatim(b ? "1" : "0"); },
                          [](const std::string& text) { return UserText::Verbatim(text); },
                          [](Frequency f) { return UserText::Verbatim(FrequencyText(f)); },
                          [&](Tone t) { return ToneText(t); },
                          [&](Power p) { return choice(p); },
                          [&](BusyLock b) { return choice(b); },
                          [&](Bandwidth b) { return choice(b); },
                          [&](ScanAdd s) { return choice(s); },
                      },
                      value);
}

UserText OwnerText(const ByteOwner& owner) {
    if (owner.channel) {
        return ChannelHeading(owner.channel);
    }
    if (owner.scanFrom) {
        return {Id::scanBits,
                {kChannelFields[Cells::kScanAdd], TwoDigits(owner.scanFrom),
                 TwoDigits(owner.scanFrom + 7)}};
    }
    if (owner.field) {
        return FieldCaption({0, 0, owner.field, owner.element});
    }
    return Id::fixedBytes;
}

TextId NoDifferences() {
    return Id::noDifferences;
}

}  // namespace kvd::DifferenceTexts

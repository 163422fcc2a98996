#include "image/DifferenceTexts.h"
#include "image/Overloaded.h"

#include <array>
#include <cstdio>

#include "channels/BandTable.h"
#include "channels/ChannelCells.h"
#include "channels/ChoiceLists.h"

namespace kvd::DifferenceTexts {

namespace {

namespace Cells = ChannelCells;

// The table's own captions, but the two tone columns told apart.
constexpr std::array<LocalText, Cells::kColumns> kChannelFields = {{
    {"信道", "Channel"},
    {"接收频率", "RX frequency"},
    {"接收亚音频", "RX QT/DQT"},
    {"发射频率", "TX frequency"},
    {"发射亚音频", "TX QT/DQT"},
    {"功率", "Power"},
    {"禁发", "Forbid"},
    {"宽\\窄带", "Bandwidth"},
    {"扫描添加", "Scan"},
}};
constexpr LocalText kFixedBytes{"固定字节", "fixed bytes"};
constexpr LocalText kNoDifferences{"没有差别。", "No differences."};

std::string TwoDigits(int n) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

std::string ChannelHeading(int number, LanguageId language) {
    return std::string(kChannelFields[Cells::kNumber].pick(language)) + " " + TwoDigits(number);
}

std::string FieldCaption(const FieldPlace& place, LanguageId language) {
    if (place.isChannel()) {
        const bool known = place.column > 0 && place.column < Cells::kColumns;
        return known ? kChannelFields[place.column].pick(language) : std::string();
    }
    if (!place.field) {
        return {};
    }
    std::string caption = place.field->name;
    if (place.field->codec == FieldTable::Codec::Frequency) {
        const int column = place.element % 2 == 0 ? Cells::kRxFrequency : Cells::kTxFrequency;
        caption +=
            " " + TwoDigits(place.element / 2 + 1) + " " + kChannelFields[column].pick(language);
    } else if (place.field->count > 1) {
        caption += " " + std::to_string(place.element + 1);
    }
    return caption;
}

std::string ValueText(const FieldPlace& place, const FieldValue& value, LanguageId language) {
    const bool band = place.field && &FieldTable::Band() == place.field;
    auto choice = [&](auto position) {
        return ChoiceLists::Text(place.column, static_cast<int>(position), language);
    };
    return std::visit(
        Overloaded{
            [](std::monostate) { return std::string(); },
            [&](int n) { return band ? std::string(BandTable::At(n).text) : std::to_string(n); },
            [](bool b) { return std::string(b ? "1" : "0"); },
            [](const std::string& text) { return text; },
            [](Frequency f) { return FrequencyText(f); },
            [&](Tone t) { return ToneText(t, language); },
            [&](Power p) { return choice(p); },
            [&](BusyLock b) { return choice(b); },
            [&](Bandwidth b) { return choice(b); },
            [&](ScanAdd s) { return choice(s); },
        },
        value);
}

std::string OwnerText(const ByteOwner& owner, LanguageId language) {
    if (owner.channel) {
        return ChannelHeading(owner.channel, language);
    }
    if (owner.scanFrom) {
        return std::string(kChannelFields[Cells::kScanAdd].pick(language)) + " " +
               TwoDigits(owner.scanFrom) + "-" + TwoDigits(owner.scanFrom + 7);
    }
    if (owner.field) {
        return FieldCaption({0, 0, owner.field, owner.element}, language);
    }
    return kFixedBytes.pick(language);
}

const LocalText& NoDifferences() {
    return kNoDifferences;
}

}  // namespace kvd::DifferenceTexts

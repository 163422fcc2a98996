#include "cli/StateReport.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "channels/BandTable.h"
#include "channels/ChannelCells.h"
#include "channels/ChoiceLists.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "image/FieldTable.h"
#include "image/FieldValues.h"
#include "image/RadioState.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace {

namespace Cells = ChannelCells;
using FieldTable::Field;
using FieldTable::OldSlot;

// The old slots of FunctionOptions run from 1 to 24; a slot that holds no setting reads as
// the text every slot started with.
constexpr int kFunctionSlots = 24;
constexpr const char* kSlotWithoutSetting = "1";
// Where the settings kept outside the two slot tables stand in the object, after the slots.
constexpr std::array<const char*, 7> kProgramKeys = {
    "group_codes",       "key_function_1",   "key_function_2", "embedded_info",
    "debug_frequencies", "high_power_level", "low_power_level"};

std::string ChannelJson(const RadioState& s, int number) {
    std::string out = "{";
    for (int column = Cells::kRxFrequency; column <= Cells::kScanAdd; ++column) {
        out += column == Cells::kRxFrequency ? "" : ", ";
        out += JsonString(ChannelKey(column)) + ": " +
               JsonString(TextIn(Cells::Text(s.channels, number, column), s.flags.Language));
    }
    return out + "}";
}

// A value as JSON: numbers bare, texts quoted; `quoted` quotes numbers too.
std::string ValueJson(const Field& f, const RadioState& s, int element, bool quoted) {
    const std::string text = ValueText(f, s, element);
    return IsNumeric(f) && !quoted ? text : JsonString(text);
}

std::string RowJson(const Field& f, const RadioState& s) {
    if (f.count == 1) {
        return ValueJson(f, s, 0, false);
    }
    // Debug frequencies come in receive / transmit pairs.
    const int group = f.codec == FieldTable::Codec::Frequency ? 2 : 1;
    std::string out = "[";
    for (int i = 0; i < f.count; i += group) {
        out += i ? ", " : "";
        if (group == 2) {
            out += "[" + ValueJson(f, s, i, false) + ", " + ValueJson(f, s, i + 1, false) + "]";
        } else {
            out += ValueJson(f, s, i, false);
        }
    }
    return out + "]";
}

const Field* RowOf(OldSlot::Table table, int slot, const char* key = nullptr) {
    for (const Field& f : FieldTable::All()) {
        if (f.old.table == table &&
            (key ? f.old.key && std::string_view(f.old.key) == key : f.old.slot == slot)) {
            return &f;
        }
    }
    return nullptr;
}

}  // namespace

const char* ChannelKey(int column) {
    static constexpr std::array<const char*, 8> kKeys = {
        "rx", "rx_tone", "tx", "tx_tone", "power", "busy_lock", "bandwidth", "scan_add"};
    return column >= Cells::kRxFrequency && column <= Cells::kScanAdd ? kKeys[column - 1] : "";
}

std::string StateJson(const RadioState& s) {
    std::ostringstream out;
    out << "{\n  \"band\": " << RowJson(*RowOf(OldSlot::Program, 0, "band"), s)
        << ",\n  \"channels\": [\n";
    for (int number = 1; number <= Channels::kCount; ++number) {
        out << "    " << ChannelJson(s, number) << (number < Channels::kCount ? ",\n" : "\n");
    }
    out << "  ],\n  \"panel\": {";
    bool first = true;
    for (const Field& f : FieldTable::All()) {
        if (f.old.table == OldSlot::Panel) {
            out << (first ? "" : ", ") << JsonString(f.old.key) << ": " << RowJson(f, s);
            first = false;
        }
    }
    out << "},\n  \"function_options\": {";
    for (int slot = 1; slot <= kFunctionSlots; ++slot) {
        const Field* f = RowOf(OldSlot::FunctionOptions, slot);
        out << (slot > 1 ? ", " : "") << JsonString(std::to_string(slot)) << ": "
            << (f ? ValueJson(*f, s, 0, true) : JsonString(kSlotWithoutSetting));
    }
    out << "},\n  \"basic_options\": [";
    for (int slot = 0; const Field* f = RowOf(OldSlot::BasicOptions, slot); ++slot) {
        out << (slot ? ", " : "") << RowJson(*f, s);
    }
    out << "]";
    for (const char* key : kProgramKeys) {
        out << ",\n  " << JsonString(key) << ": " << RowJson(*RowOf(OldSlot::Program, 0, key), s);
    }
    for (const Field& f : FieldTable::All()) {
        if (f.old.table == OldSlot::None) {
            out << ",\n  " << JsonString(f.name) << ": " << RowJson(f, s);
        }
    }
    out << "\n}\n";
    return out.str();
}

std::string StateText(const RadioState& s) {
    const LanguageId lang = s.flags.Language;
    const std::array<int, 9> widths = {8, 14, 9, 14, 9, 8, 8, 8, 8};
    std::ostringstream out;
    out << TextIn(UserText(TextIds::cli::band,
                           {UserText::Verbatim(BandTable::At(s.band.position()).text)}),
                  lang)
        << "\n\n";
    for (int column = 0; column < Cells::kColumns; ++column) {
        out << Pad(TextIn(ChoiceLists::ColumnCaption(column), lang), widths[column]);
    }
    out << "\n";
    for (int number = 1; number <= Channels::kCount; ++number) {
        for (int column = 0; column < Cells::kColumns; ++column) {
            const std::string text = TextIn(Cells::Text(s.channels, number, column), lang);
            out << Pad(text.empty() && column > 0 ? "-" : text, widths[column]);
        }
        out << "\n";
    }
    out << "\n" << TextIn(TextIds::main::functionFrame, lang) << "\n";
    for (PanelList list : PanelLists::kAll) {
        const Field& field = FieldTable::Of(list);
        const int position = SettingWords::PositionOf(field, std::stoi(ValueText(field, s)));
        const std::string item =
            position < 0 ? "" : TextIn(SettingWords::Items(field)[position], lang);
        out << "  " << Pad(TextIn(SettingWords::Caption(field), lang), 16)
            << (item.empty() ? "-" : item) << "\n";
    }
    out << "\n" << TextIn(TextIds::cli::otherSettings, lang) << "\n";
    for (const Field& f : FieldTable::All()) {
        if (f.old.table == OldSlot::Panel) {
            continue;
        }
        out << "  " << Pad(f.name, 22);
        const int group = f.codec == FieldTable::Codec::Frequency ? 2 : 1;
        for (int i = 0; i < f.count; i += group) {
            if (group == 2) {
                const std::string receive = ValueText(f, s, i), transmit = ValueText(f, s, i + 1);
                if (receive.empty() && transmit.empty()) {
                    continue;
                }
                out << "\n    " << (i / 2 < 9 ? "0" : "") << i / 2 + 1 << "  "
                    << Pad(receive.empty() ? "-" : receive, 12)
                    << (transmit.empty() ? "-" : transmit);
            } else {
                out << (i ? " " : "")
                    << (IsNumeric(f) ? ValueText(f, s, i) : JsonString(ValueText(f, s, i)));
            }
        }
        out << "\n";
    }
    return out.str();
}

}  // namespace kvd::cli

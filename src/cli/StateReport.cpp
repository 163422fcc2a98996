#include "cli/StateReport.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "channels/BandTable.h"
#include "channels/ChoiceLists.h"
#include "cli/Json.h"
#include "image/RadioState.h"
#include "image/Utf8.h"
#include "settings/PanelLists.h"

namespace kvd::cli {

namespace {

using Col = ChannelTable::Column;

constexpr std::array<const char*, 8> kChannelKeys = {"rx",    "rx_tone",   "tx",        "tx_tone",
                                                     "power", "busy_lock", "bandwidth", "scan_add"};
constexpr std::array<const char*, 6> kPanelKeys = {
    "voice_prompt", "timeout", "timeout_warning", "squelch", "battery_save", "beep"};

template <typename Range, typename Fn>
std::string JoinJson(const Range& range, Fn&& render) {
    std::string out = "[";
    bool first = true;
    for (const auto& item : range) {
        out += first ? "" : ", ";
        out += render(item);
        first = false;
    }
    return out + "]";
}

std::string ChannelJson(const ChannelTable& table, int row) {
    std::string out = "{";
    for (int column = Col::kRxFrequency; column <= Col::kScanAdd; ++column) {
        out += column == Col::kRxFrequency ? "" : ", ";
        out += JsonString(kChannelKeys[column - 1]) + ": " + JsonString(table.cell(row, column));
    }
    return out + "}";
}

// Display width of UTF-8 text, counting CJK characters as two columns.
int DisplayWidth(const std::string& text) {
    int width = 0;
    for (char32_t c : DecodeUtf8(text)) {
        width += (c >= 0x1100 && (c <= 0x115F || (c >= 0x2E80 && c <= 0xFFDC))) ? 2 : 1;
    }
    return width;
}

std::string Pad(const std::string& text, int width) {
    return text +
           std::string(static_cast<std::size_t>(std::max(1, width - DisplayWidth(text))), ' ');
}

}  // namespace

std::string StateJson(const RadioState& s) {
    std::ostringstream out;
    out << "{\n  \"band\": " << s.band.position() << ",\n  \"channels\": [\n";
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        out << "    " << ChannelJson(s.table, row)
            << (row < ChannelTable::kChannels ? ",\n" : "\n");
    }
    out << "  ],\n  \"panel\": {";
    for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
        out << (i ? ", " : "") << JsonString(kPanelKeys[i]) << ": " << s.panel.positions[i];
    }
    out << "},\n  \"function_options\": {";
    for (int slot = 1; slot <= ProgramSettings::kFunctionSlots; ++slot) {
        out << (slot > 1 ? ", " : "") << JsonString(std::to_string(slot)) << ": "
            << JsonString(s.settings.FunctionOptions[slot]);
    }
    out << "},\n  \"basic_options\": "
        << JoinJson(s.settings.BasicOptions, [](std::int16_t v) { return std::to_string(v); });
    std::vector<std::string> groups(s.settings.GroupCodes.begin() + 1, s.settings.GroupCodes.end());
    out << ",\n  \"group_codes\": "
        << JoinJson(groups, [](const std::string& g) { return JsonString(g); });
    out << ",\n  \"key_function_1\": " << s.settings.KeyFunction1;
    out << ",\n  \"key_function_2\": " << s.settings.KeyFunction2;
    out << ",\n  \"embedded_info\": "
        << JoinJson(s.settings.EmbeddedInfo, [](const std::string& t) { return JsonString(t); });
    out << ",\n  \"debug_frequencies\": "
        << JoinJson(s.settings.DebugFrequencies, [](const std::array<std::string, 2>& pair) {
               return "[" + JsonString(pair[0]) + ", " + JsonString(pair[1]) + "]";
           });
    out << ",\n  \"high_power_level\": " << s.settings.HighPowerLevel;
    out << ",\n  \"low_power_level\": " << s.settings.LowPowerLevel << "\n}\n";
    return out.str();
}

std::string StateText(const RadioState& s) {
    const LanguageId lang = s.flags.Language;
    const std::array<int, 9> widths = {8, 14, 9, 14, 9, 8, 8, 8, 8};
    std::ostringstream out;
    out << (lang == kChinese ? "频段: " : "Band: ") << BandTable::At(s.band.position()).text
        << "\n\n";
    for (int column = 0; column < ChannelTable::kColumns; ++column) {
        out << Pad(ChoiceLists::ColumnCaption(column).pick(lang), widths[column]);
    }
    out << "\n";
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        for (int column = 0; column < ChannelTable::kColumns; ++column) {
            const std::string& text = s.table.cell(row, column);
            out << Pad(text.empty() && column > 0 ? "-" : text, widths[column]);
        }
        out << "\n";
    }
    out << "\n" << (lang == kChinese ? "功能设置" : "Function Set") << "\n";
    for (PanelList list : PanelLists::kAll) {
        int position = s.panel[list];
        std::string item = PanelLists::Item(list, position, lang);
        out << "  " << Pad(PanelLists::Info(list).caption.pick(lang), 16)
            << (item.empty() ? "-" : item) << "\n";
    }
    out << "\nFunctionOptions:";
    for (int slot = 1; slot <= ProgramSettings::kFunctionSlots; ++slot) {
        out << " " << slot << "=" << JsonString(s.settings.FunctionOptions[slot]);
    }
    out << "\nBasicOptions:";
    for (std::int16_t v : s.settings.BasicOptions) {
        out << " " << v;
    }
    out << "\nGroupCodes:";
    for (int g = 1; g <= ProgramSettings::kGroupCodes; ++g) {
        out << " " << g << "=" << JsonString(s.settings.GroupCodes[g]);
    }
    out << "\nKeyFunction1: " << s.settings.KeyFunction1
        << "  KeyFunction2: " << s.settings.KeyFunction2;
    out << "\nEmbeddedInfo: " << JsonString(s.settings.EmbeddedInfo[0]) << " "
        << JsonString(s.settings.EmbeddedInfo[1]);
    out << "\nHighPowerLevel: " << s.settings.HighPowerLevel
        << "  LowPowerLevel: " << s.settings.LowPowerLevel;
    out << "\nDebugFrequencies:";
    for (int row = 0; row < ProgramSettings::kDebugRows; ++row) {
        const auto& pair = s.settings.DebugFrequencies[row];
        if (!pair[0].empty() || !pair[1].empty()) {
            out << "\n  " << (row < 9 ? "0" : "") << row + 1 << "  "
                << Pad(pair[0].empty() ? "-" : pair[0], 12) << (pair[1].empty() ? "-" : pair[1]);
        }
    }
    out << "\n";
    return out.str();
}

}  // namespace kvd::cli

#include "TestStates.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "channels/BandTable.h"
#include "channels/CellEditRules.h"
#include "channels/ToneList.h"
#include "image/HexText.h"
#include "image/Utf8.h"

namespace kvd::test {

namespace {

using Col = ChannelTable::Column;

int Uniform(std::mt19937& r, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(r);
}

std::string FrequencyText(long tensOfHz) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%03ld.%05ld", tensOfHz / 100000, tensOfHz % 100000);
    return buffer;
}

std::string RandomRasterFrequency(std::mt19937& r, int band) {
    const long low = BandTable::LowMHz(band) * 100000L, high = BandTable::HighMHz(band) * 100000L;
    const long step = Uniform(r, 0, 1) ? 500 : 625;
    return FrequencyText(low +
                         step * std::uniform_int_distribution<long>(0, (high - low - 1) / step)(r));
}

std::string RandomText(std::mt19937& r, int maxLength, bool forbidColon = false) {
    std::string text;
    int length = Uniform(r, 0, maxLength);
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<char32_t>(Uniform(r, 1, 0xFE));
        AppendUtf8(text, forbidColon && c == U':' ? U'#' : c);
    }
    return text;
}

void RandomTone(std::mt19937& r, RadioState& s, int row, int column, bool allowOff) {
    if (Uniform(r, 0, 9) == 0) {
        char typed[16];  // a tone typed by hand, not on the list
        int tenths = Uniform(r, 670, 2541);
        std::snprintf(typed, sizeof typed, "%d.%d", tenths / 10, tenths % 10);
        s.table.setCell(row, column, typed);
        int listed = ToneList::Position(typed);
        s.table.setChoiceIndex(row, column,
                               static_cast<std::int16_t>(listed > 0 ? listed : Uniform(r, 1, 260)));
        return;
    }
    CellEditRules::PickTone(s.table, row, column,
                            Uniform(r, allowOff ? 0 : 1, ToneList::kCount - 1), s.flags.Language);
}

void RandomChannel(std::mt19937& r, RadioState& s, int row) {
    int band = s.band.position();
    s.table.setCell(row, Col::kRxFrequency, RandomRasterFrequency(r, band));
    bool hasTx = Uniform(r, 0, 4) != 0;
    s.table.setCell(row, Col::kTxFrequency, hasTx ? RandomRasterFrequency(r, band) : "");
    RandomTone(r, s, row, Col::kRxTone, true);
    if (hasTx || Uniform(r, 0, 1)) {
        RandomTone(r, s, row, Col::kTxTone, hasTx);
    }
    for (int column = Col::kPower; column <= Col::kScanAdd; ++column) {
        CellEditRules::PickChoice(s.table, row, column, Uniform(r, 0, 1), s.flags.Language);
    }
}

void RandomSettings(std::mt19937& r, RadioState& s) {
    auto& set = s.settings;
    const int basicMax[] = {3, 3, -1, 3, 16, 1, 9, 15};
    for (int i = 0; i < 8; ++i) {
        set.BasicOptions[i] = static_cast<std::int16_t>(i == 2 ? 10 * Uniform(r, 10, 100)
                                                               : Uniform(r, 0, basicMax[i]));
    }
    set.KeyFunction1 = static_cast<std::int16_t>(Uniform(r, 0, 11));
    set.KeyFunction2 = static_cast<std::int16_t>(Uniform(r, 0, 11));
    const int ranges[][3] = {{4, 0, 2},         {6, 0, 1},   {7, 0, 10}, {8, 0, 5},
                             {9, 0, 1},         {10, 0, 1},  {11, 0, 2}, {12, 1, 16},
                             {13, 0, 91},       {14, 0, 91}, {15, 0, 3}, {19, -32768, 300},
                             {20, -32768, 300}, {23, 0, 1},  {24, 0, 1}};  // slot, lowest, highest
    for (const auto& [slot, lo, hi] : ranges) {
        set.FunctionOptions[slot] = std::to_string(Uniform(r, lo, hi));
    }
    set.FunctionOptions[16] = RandomText(r, 10);
    set.FunctionOptions[17] = RandomText(r, 16);
    set.FunctionOptions[18] = RandomText(r, 16);
    for (int g = 1; g <= 8; ++g) {
        set.GroupCodes[g] = RandomText(r, 16, true);
    }
    for (auto& line : set.EmbeddedInfo) {
        line = RandomText(r, 32);
    }
    for (auto& pair : set.DebugFrequencies) {
        for (auto& f : pair) {
            f = Uniform(r, 0, 2)
                    ? FrequencyText(std::uniform_int_distribution<long>(0, 99999999)(r))
                    : "";
        }
    }
    set.HighPowerLevel = static_cast<std::int16_t>(Uniform(r, 0, 255));
    set.LowPowerLevel = static_cast<std::int16_t>(Uniform(r, 0, 255));
}

void RandomPanel(std::mt19937& r, PanelChoices& panel) {
    const int lo[] = {0, -1, 0, 0, 0, 0};
    const int hi[] = {2, 39, 10, 9, 1, 1};
    for (int i = 0; i < PanelChoices::kCount; ++i) {
        panel.positions[i] = static_cast<std::int16_t>(Uniform(r, lo[i], hi[i]));
    }
}

}  // namespace

RadioState RandomValidState(std::mt19937& r) {
    RadioState s = StartupState(static_cast<LanguageId>(Uniform(r, 0, 1)));
    s.band.TakeBand(Uniform(r, 0, BandTable::kCount - 1));
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        if (Uniform(r, 0, 3) != 0) {
            RandomChannel(r, s, row);
        }
    }
    RandomPanel(r, s.panel);
    RandomSettings(r, s);
    return s;
}

std::string RowText(const ChannelTable& table, int row) {
    std::string text = table.cell(row, 0);
    for (int column = 1; column < ChannelTable::kColumns; ++column) {
        text += "|" + table.cell(row, column);
    }
    return text;
}

void ExpectSameImageContent(const RadioState& expected, const RadioState& actual) {
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        EXPECT_EQ(RowText(expected.table, row), RowText(actual.table, row));
        for (int column : {2, 4, 5, 6, 7, 8}) {
            const std::string& text = expected.table.cell(row, column);
            if (!text.empty() && (column >= Col::kPower || ToneList::Position(text) >= 0)) {
                EXPECT_EQ(expected.table.choiceIndex(row, column),
                          actual.table.choiceIndex(row, column))
                    << "row " << row << " column " << column;
            }
        }
    }
    EXPECT_EQ(expected.panel.positions, actual.panel.positions);
    EXPECT_EQ(expected.band.position(), actual.band.position());
    EXPECT_TRUE(expected.settings == actual.settings);
}

MemoryImage ExpectedStartupImage() {
    MemoryImage m;
    m.fill(0xFF);
    // clang-format off
    std::vector<std::pair<std::size_t, std::string_view>> runs = {
        {0x100, "0001000101010000"}, {0x10D, "0A00"}, {0x11F, "0102010100010101010101010101"},
        {0x130, "31"}, {0x140, "32"}, {0x150, "000101010100000000"}, {0x16E, "0000"},
        {0x173, "D0"}, {0x178, "5C"}, {0x1A8, "4B5644323733F8FF"}, {0x330, "4B56442D323730"},
        {0x33C, "33"}, {0x340, "35323731383339348888888888888888"}};
    // clang-format on
    for (int i = 0; i < 16; ++i) {
        runs.emplace_back(16 * i + 12, "F8F0FCFF");  // each channel's flags
    }
    for (auto [offset, hex] : runs) {
        const std::vector<std::uint8_t> bytes = ImageTextToBytes(hex, hex.size() / 2);
        std::copy(bytes.begin(), bytes.end(), m.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    for (int g = 0; g < 8; ++g) {
        m[0x1F0 + 16 * g] = static_cast<std::uint8_t>('1' + g);  // group codes "1" to "8"
    }
    return m;
}

}  // namespace kvd::test

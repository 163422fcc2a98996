#include "TestStates.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "channels/BandTable.h"
#include "channels/CellEditRules.h"
#include "channels/ToneList.h"
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
    long low = BandTable::LowMHz(band) * 100000L;
    long high = BandTable::HighMHz(band) * 100000L;
    long step = Uniform(r, 0, 1) ? 500 : 625;
    long steps = (high - low - 1) / step;
    return FrequencyText(low + step * std::uniform_int_distribution<long>(0, steps)(r));
}

std::string RandomText(std::mt19937& r, int maxLength, bool forbidColon = false) {
    std::string text;
    int length = Uniform(r, 0, maxLength);
    for (int i = 0; i < length; ++i) {
        char32_t c = static_cast<char32_t>(Uniform(r, 1, 0xFE));
        if (forbidColon && c == U':') {
            c = U'#';
        }
        AppendUtf8(text, c);
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
    struct Range {
        int slot, lo, hi;
    };
    for (Range f : {Range{4, 0, 2}, Range{6, 0, 1}, Range{7, 0, 10}, Range{8, 0, 5}, Range{9, 0, 1},
                    Range{10, 0, 1}, Range{11, 0, 2}, Range{12, 1, 16}, Range{13, 0, 91},
                    Range{14, 0, 91}, Range{15, 0, 3}, Range{19, -32768, 300},
                    Range{20, -32768, 300}, Range{23, 0, 1}, Range{24, 0, 1}}) {
        set.FunctionOptions[f.slot] = std::to_string(Uniform(r, f.lo, f.hi));
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

RadioState StartupState(LanguageId language) {
    RadioState s;
    s.flags.Language = language;
    ApplyStartupDefaults(s);
    return s;
}

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
    auto put = [&](std::size_t offset, std::initializer_list<int> bytes) {
        for (int b : bytes) {
            m[offset++] = static_cast<std::uint8_t>(b);
        }
    };
    for (int ch = 0; ch < 16; ++ch) {
        put(16 * ch + 12, {0xF8, 0xF0, 0xFC, 0xFF});
    }
    put(0x100, {0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00});
    put(0x10D, {0x0A, 0x00});
    put(0x11F,
        {0x01, 0x02, 0x01, 0x01, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01});
    put(0x12E, {0xFF});
    put(0x130, {'1'});
    put(0x140, {'2'});
    put(0x150, {0x00, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00});
    put(0x16E, {0x00, 0x00});
    put(0x173, {0xD0});
    put(0x178, {0x5C});
    put(0x1A8, {0x4B, 0x56, 0x44, 0x32, 0x37, 0x33, 0xF8, 0xFF});
    for (int g = 0; g < 8; ++g) {
        put(0x1F0 + 16 * g, {'1' + g});
    }
    put(0x330, {0x4B, 0x56, 0x44, 0x2D, 0x32, 0x37, 0x30});
    put(0x33C, {0x33});
    put(0x340, {0x35, 0x32, 0x37, 0x31, 0x38, 0x33, 0x39, 0x34});
    put(0x348, {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88});
    return m;
}

}  // namespace kvd::test

#include "TestStates.h"

#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"
#include "channels/BandTable.h"
#include "channels/ChannelCells.h"
#include "channels/ToneList.h"
#include "image/FieldTable.h"
#include "image/Overloaded.h"
#include "texts/Utf8.h"

namespace kvd::test {

namespace {

using FieldTable::Codec;
using FieldTable::Field;

int Uniform(std::mt19937& r, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(r);
}

Frequency RandomRasterFrequency(std::mt19937& r, int band) {
    const long low = BandTable::LowMHz(band) * 100000L, high = BandTable::HighMHz(band) * 100000L;
    const long step = Uniform(r, 0, 1) ? 500 : 625;
    return Frequency::FromTens(static_cast<std::uint32_t>(
        low + step * std::uniform_int_distribution<long>(0, (high - low - 1) / step)(r)));
}

// Characters the image stores in one byte, 0xFF ("no character") excepted; a code group
// reads ":" back as "0".
std::string RandomText(std::mt19937& r, std::size_t maxLength, bool groupCode) {
    std::string text;
    const int length = Uniform(r, 0, static_cast<int>(maxLength));
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<char32_t>(Uniform(r, 1, 0xFE));
        AppendUtf8(text, groupCode && c == U':' ? U'#' : c);
    }
    return text;
}

Tone RandomTone(std::mt19937& r) {
    switch (Uniform(r, 0, 9)) {
        case 0:  // typed by hand, not on the list
            return Tone::Ctcss(static_cast<std::uint16_t>(Uniform(r, 670, 2541)));
        case 1:  // whatever a radio may hold
            return Tone::FromWord(static_cast<std::uint16_t>(Uniform(r, 0, 0xFFFF)));
        default:
            return ToneList::At(Uniform(r, 0, ToneList::kCount - 1));
    }
}

std::optional<Channel> RandomChannel(std::mt19937& r, int band) {
    if (Uniform(r, 0, 3) == 0) {
        return std::nullopt;
    }
    Channel c;
    c.rx = RandomRasterFrequency(r, band);
    if (Uniform(r, 0, 4) != 0) {
        c.tx = RandomRasterFrequency(r, band);
    }
    c.rxTone = RandomTone(r);
    c.txTone = RandomTone(r);
    for (int column = ChannelCells::kPower; column <= ChannelCells::kScanAdd; ++column) {
        ChannelCells::SetChoice(c, column, Uniform(r, 0, 1));
    }
    return c;
}

// A value in the row's accepted range; milliseconds stored in tens are whole tens.
int RandomNumber(std::mt19937& r, const Field& f) {
    const int value = Uniform(r, f.accepted.lowest, f.accepted.highest);
    return f.codec == Codec::Tens ? value - value % 10 : value;
}

void RandomSetting(std::mt19937& r, const Field& f, RadioState& state) {
    Settings& s = state.settings;
    const bool groupCode = f.codec == Codec::GroupCode;
    std::visit(Overloaded{
                   [&](std::monostate) { state.band.TakeBand(RandomNumber(r, f)); },
                   [&](std::int16_t Settings::*m) {
                       s.*m = static_cast<std::int16_t>(RandomNumber(r, f));
                   },
                   [&](bool Settings::*m) { s.*m = RandomNumber(r, f) != 0; },
                   [&](std::optional<std::int16_t> Settings::*m) {
                       s.*m = static_cast<std::int16_t>(RandomNumber(r, f));
                   },
                   [&](std::string Settings::*m) { s.*m = RandomText(r, f.width, groupCode); },
                   [&](std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*m) {
                       for (DebugFrequencyPair& pair : s.*m) {
                           for (auto* f : {&pair.receive, &pair.transmit}) {
                               if (Uniform(r, 0, 2)) {
                                   *f = Frequency::FromTens(static_cast<std::uint32_t>(
                                       Uniform(r, 0, Frequency::kLimit - 1)));
                               } else {
                                   f->reset();
                               }
                           }
                       }
                   },
                   [&](auto m) {
                       for (std::string& text : s.*m) {
                           text = RandomText(r, f.width, groupCode);
                       }
                   },
               },
               f.member);
}

MemoryImage FromHex(std::initializer_list<std::pair<std::size_t, std::string_view>> runs) {
    MemoryImage m;
    m.fill(0xFF);
    for (auto [offset, hex] : runs) {
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
            m[offset + i / 2] =
                static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        }
    }
    return m;
}

Frequency Mhz(const char* text) {
    return *ParseFrequencyText(text);
}

}  // namespace

RadioState RandomValidState(std::mt19937& r) {
    RadioState s = StartupState(static_cast<LanguageId>(Uniform(r, 0, 1)));
    for (const Field& f : FieldTable::All()) {
        RandomSetting(r, f, s);
    }
    for (int number = 1; number <= Channels::kCount; ++number) {
        s.channels[number] = RandomChannel(r, s.band.position());
    }
    return s;
}

void ExpectSameImageContent(const RadioState& expected, const RadioState& actual) {
    for (int row = 1; row <= Channels::kCount; ++row) {
        EXPECT_TRUE(expected.channels[row] == actual.channels[row])
            << RowText(actual.channels, row);
    }
    EXPECT_TRUE(expected.settings == actual.settings);
    EXPECT_EQ(expected.band.position(), actual.band.position());
}

std::string RowText(const Channels& channels, int row, LanguageId language) {
    std::string text = TextIn(ChannelCells::Text(channels, row, 0), language);
    for (int column = 1; column < ChannelCells::kColumns; ++column) {
        text += "|" + TextIn(ChannelCells::Text(channels, row, column), language);
    }
    return text;
}

Channel MakeChannel(const char* rx, const char* tx, int rxTone, int txTone,
                    std::array<int, 4> choices) {
    Channel c;
    c.rx = Mhz(rx);
    c.tx = *tx ? std::optional(Mhz(tx)) : std::nullopt;
    c.rxTone = ToneList::At(rxTone);
    c.txTone = ToneList::At(txTone);
    for (int i = 0; i < 4; ++i) {
        ChannelCells::SetChoice(c, ChannelCells::kPower + i, choices[i]);
    }
    return c;
}

MemoryImage ExpectedStartupImage() {
    // clang-format off
    MemoryImage m = FromHex({
        {0x100, "0001000101010000"}, {0x10D, "0A00"}, {0x11F, "0102010100010101010101010101"},
        {0x130, "31"}, {0x140, "32"}, {0x150, "000101010100000000"}, {0x16E, "0000"},
        {0x173, "D0"}, {0x178, "5C"}, {0x1A8, "4B5644323733F8FF"}, {0x330, "4B56442D323730"},
        {0x33C, "33"}, {0x340, "35323731383339348888888888888888"}});
    // clang-format on
    for (int i = 0; i < 16; ++i) {
        for (std::size_t k = 0; k < 4; ++k) {
            m[16 * i + 12 + k] = std::array<std::uint8_t, 4>{0xF8, 0xF0, 0xFC, 0xFF}[k];
        }
    }
    for (int g = 0; g < 8; ++g) {
        m[0x1F0 + 16 * g] = static_cast<std::uint8_t>('1' + g);  // group codes "1" to "8"
    }
    return m;
}

}  // namespace kvd::test

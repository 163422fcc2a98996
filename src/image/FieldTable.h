#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "image/Settings.h"
#include "settings/PanelList.h"

namespace kvd::FieldTable {

// How a setting's value is stored in its bytes.
enum class Codec {
    Byte,        // the value itself
    PlusOne,     // the value + 1 (the time-out's list position, stored in units of 15 s)
    Tens,        // the value / 10 (milliseconds, stored in tens)
    ZeroAsFF,    // the value; 0 is written as 0xFF, and 0xFF reads back as 0
    AsciiDigit,  // 0x00 for 0, else the ASCII code of the value's first decimal digit;
                 // 0x00 and 0xFF read as 0, another byte that is no digit means nothing
    Bit0,        // bits 7..1 set, bit 0 the value
    Word,        // 16 bits, little-endian, signed
    Text,        // one byte per character (U+0000..U+00FF), 0xFF for none, skipped on reading
    GroupCode,   // Text, with the digit "0" stored as 0x3A
    Frequency,   // eight packed digits in units of 10 Hz; FF FF FF FF is none
    BandCode,    // the band list position's code
};

// Inclusive.
struct Range {
    int lowest = 0;
    int highest = -1;  // below lowest: no range
    constexpr bool contains(int value) const { return value >= lowest && value <= highest; }
    constexpr bool empty() const { return highest < lowest; }
    bool operator==(const Range&) const = default;
};

// The start-up value: a number, or texts (element i takes texts[i], an element past the end
// is empty), or none (no scan delay, no frequency).
struct Start {
    int number = 0;
    std::span<const std::string_view> texts = {};
    bool none = false;
};

// Where a setting was kept before it had a name: a slot of FunctionOptions (1..24) or
// BasicOptions (0..7), a list of the main window's panel (slot: its PanelList) or another
// program-wide variable (`key` is its key in `kvd270-cli show --json`), or nowhere (a
// setting added since).
struct OldSlot {
    enum Table { None, FunctionOptions, BasicOptions, Panel, Program };
    Table table = None;
    int slot = 0;
    const char* key = nullptr;
};

// The setting a row reads and writes. The band lives in the band selection (monostate).
using Member = std::variant<std::monostate, std::int16_t Settings::*, bool Settings::*,
                            std::optional<std::int16_t> Settings::*, std::string Settings::*,
                            std::array<std::string, Settings::kAutoDialMemories> Settings::*,
                            std::array<std::string, Settings::kEmbeddedLines> Settings::*,
                            std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*>;

// One setting of the memory image.
struct Field {
    const char* name;
    std::size_t offset;  // image offset of its (first) value
    std::size_t width;   // bytes of one value; characters of a text
    Codec codec;
    Range accepted;  // what the decoder takes over; any other value leaves the setting as it was
    Range editable;  // what the program offers and accepts from the user; empty: accepted
    Start start;     // the start-up value
    OldSlot old;     // where the setting was kept before it had a name
    Member member;
    const char* caption;         // the control whose caption names it: "window.control"
    int count = 1;               // values in a row, each `width` bytes after the one before
    std::size_t copyOffset = 0;  // a second place that holds the same bytes, 0 for none

    Range userRange() const { return editable.empty() ? accepted : editable; }
};

// Every setting, in image offset order.
std::span<const Field> All();

// The row of a member; every member has one.
const Field& Of(Member member);
// The row of the band, and of a list of the function-set panel.
const Field& Band();
const Field& Of(PanelList list);

}  // namespace kvd::FieldTable

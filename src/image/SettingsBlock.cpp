#include "image/SettingsBlock.h"

#include <array>
#include <cmath>
#include <string>

#include "image/ByteMap.h"
#include "image/ImageFields.h"
#include "image/RadioState.h"
#include "image/Raster.h"

namespace kvd {

namespace {

// Which setting a byte field feeds.
struct Slot {
    enum Kind { Basic, Function, Key1, Key2, Panel } kind;
    int index;
};

// How a byte field stores its value.
enum class Codec {
    Plain,       // the value itself
    ZeroAsFF,    // the value, 0 written as 0xFF
    PlusOne,     // list position + 1 (the time-out in units of 15 s)
    Tens,        // milliseconds / 10
    AsciiDigit,  // 0x00 for 0, else the ASCII code of the first decimal digit
    Bit0,        // bits 7..1 set, bit 0 the value
};

struct ByteField {
    std::size_t offset;
    Slot slot;
    Codec codec;
    int min;  // accepted byte range, min <= n < max
    int max;
};

constexpr Slot B(int i) {
    return {Slot::Basic, i};
}
constexpr Slot F(int i) {
    return {Slot::Function, i};
}
constexpr Slot P(PanelList list) {
    return {Slot::Panel, static_cast<int>(list)};
}

constexpr std::array<ByteField, 29> kByteFields = {{
    {0x100, B(0), Codec::Plain, 0, 4},
    {0x101, B(1), Codec::Plain, 0, 4},
    {0x102, B(2), Codec::Tens, 10, 101},
    {0x103, B(3), Codec::Plain, 0, 4},
    {0x104, B(4), Codec::Plain, 0, 17},
    {0x105, B(5), Codec::Plain, 0, 2},
    {0x106, B(6), Codec::AsciiDigit, 0, 256},
    {0x107, B(7), Codec::Plain, 0, 16},
    {0x10D, {Slot::Key1, 0}, Codec::Plain, 0, 12},
    {0x10E, {Slot::Key2, 0}, Codec::Plain, 0, 12},
    {0x11F, P(PanelList::VoicePrompt), Codec::Plain, 0, 3},
    {0x120, P(PanelList::Timeout), Codec::PlusOne, 0, 41},
    {0x121, P(PanelList::TimeoutWarning), Codec::Plain, 0, 11},
    {0x122, F(4), Codec::Plain, 0, 3},
    {0x124, P(PanelList::Squelch), Codec::Plain, 0, 10},
    {0x125, P(PanelList::BatterySave), Codec::Plain, 0, 2},
    {0x126, P(PanelList::Beep), Codec::Plain, 0, 2},
    {0x127, F(23), Codec::Plain, 0, 2},
    {0x128, F(24), Codec::Plain, 0, 2},
    {0x129, F(6), Codec::Plain, 0, 2},
    {0x12A, F(7), Codec::Plain, 0, 11},
    {0x12B, F(8), Codec::Plain, 0, 6},
    {0x12C, F(9), Codec::Plain, 0, 2},
    {0x12E, F(10), Codec::Bit0, 0, 256},
    {0x150, F(11), Codec::Plain, 0, 3},
    {0x151, F(12), Codec::Plain, 1, 17},
    {0x152, F(13), Codec::ZeroAsFF, 0, 92},
    {0x153, F(14), Codec::ZeroAsFF, 0, 92},
    {0x154, F(15), Codec::Plain, 0, 4},
}};

// 16-bit little-endian fields, signed: FF FF is -1 and so in range.
struct WordField {
    std::size_t offset;
    int functionSlot;
    int below;
};
constexpr std::array<WordField, 2> kWordFields = {{{0x155, 19, 301}, {0x157, 20, 301}}};

struct TextField {
    std::size_t offset;
    std::size_t length;
    int functionSlot;
};
constexpr std::array<TextField, 3> kTextFields = {{
    {ByteMap::kIdCode, ByteMap::kIdCodeLength, 16},
    {ByteMap::kTxStartCode, ByteMap::kTxCodeLength, 17},
    {ByteMap::kTxEndCode, ByteMap::kTxCodeLength, 18},
}};

// A FunctionOptions slot read as a number, as the radio expects it.
long SlotNumber(const std::string& text) {
    return std::lround(LeadingNumber(text));
}

long ReadSlot(const RadioState& s, Slot slot) {
    switch (slot.kind) {
        case Slot::Basic:
            return s.settings.BasicOptions[slot.index];
        case Slot::Function:
            return SlotNumber(s.settings.FunctionOptions[slot.index]);
        case Slot::Key1:
            return s.settings.KeyFunction1;
        case Slot::Key2:
            return s.settings.KeyFunction2;
        case Slot::Panel:
            return s.panel.positions[slot.index];
    }
    return 0;
}

void WriteSlot(RadioState& s, Slot slot, int value) {
    switch (slot.kind) {
        case Slot::Basic:
            s.settings.BasicOptions[slot.index] = static_cast<std::int16_t>(value);
            break;
        case Slot::Function:
            s.settings.FunctionOptions[slot.index] = std::to_string(value);
            break;
        case Slot::Key1:
            s.settings.KeyFunction1 = static_cast<std::int16_t>(value);
            break;
        case Slot::Key2:
            s.settings.KeyFunction2 = static_cast<std::int16_t>(value);
            break;
        case Slot::Panel:
            s.panel.positions[slot.index] = static_cast<std::int16_t>(value);
            break;
    }
}

void ParseByteField(const ByteField& f, std::uint8_t n, RadioState& s) {
    switch (f.codec) {
        case Codec::AsciiDigit:
            if (n == 0x00 || n == 0xFF) {
                WriteSlot(s, f.slot, 0);
            } else if (n >= '0' && n <= '9') {
                WriteSlot(s, f.slot, n - '0');
            }  // any other byte means nothing: the setting keeps its value
            return;
        case Codec::Bit0:
            WriteSlot(s, f.slot, n & 1);
            return;
        case Codec::ZeroAsFF:
            // 0xFF is how 0 ("Empty") is written; taking it back keeps a read-then-write
            // from changing the radio's setting.
            if (n == 0xFF) {
                WriteSlot(s, f.slot, 0);
                return;
            }
            break;
        default:
            break;
    }
    if (n < f.min || n >= f.max) {
        return;
    }
    switch (f.codec) {
        case Codec::PlusOne:
            WriteSlot(s, f.slot, n - 1);
            break;
        case Codec::Tens:
            WriteSlot(s, f.slot, n * 10);
            break;
        default:
            WriteSlot(s, f.slot, n);
            break;
    }
}

std::uint8_t RenderByteField(const ByteField& f, const RadioState& s) {
    long value = ReadSlot(s, f.slot);
    switch (f.codec) {
        case Codec::Plain:
            break;
        case Codec::ZeroAsFF:
            value = value == 0 ? 0xFF : value;
            break;
        case Codec::PlusOne:
            value += 1;
            break;
        case Codec::Tens:
            value /= 10;
            break;
        case Codec::AsciiDigit:
            value = value == 0 ? 0 : std::to_string(value)[0];
            break;
        case Codec::Bit0: {
            const std::string& text = s.settings.FunctionOptions[f.slot.index];
            value = 0xFE | (!text.empty() && text.back() == '1' ? 1 : 0);
            break;
        }
    }
    return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

void ParseSettingsBlock(std::span<const std::uint8_t> image, RadioState& s) {
    for (const ByteField& f : kByteFields) {
        ParseByteField(f, image[f.offset], s);
    }
    for (const WordField& f : kWordFields) {
        auto value = static_cast<std::int16_t>(image[f.offset] | (image[f.offset + 1] << 8));
        if (value < f.below) {
            s.settings.FunctionOptions[f.functionSlot] = std::to_string(value);
        }
    }
    for (const TextField& f : kTextFields) {
        s.settings.FunctionOptions[f.functionSlot] =
            ParseTextField(image.subspan(f.offset, f.length));
    }
}

void RenderSettingsBlock(const RadioState& s, std::span<std::uint8_t> image) {
    for (const ByteField& f : kByteFields) {
        image[f.offset] = RenderByteField(f, s);
    }
    for (const WordField& f : kWordFields) {
        auto value =
            static_cast<std::uint16_t>(SlotNumber(s.settings.FunctionOptions[f.functionSlot]));
        image[f.offset] = static_cast<std::uint8_t>(value & 0xFF);
        image[f.offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    for (const TextField& f : kTextFields) {
        RenderTextField(s.settings.FunctionOptions[f.functionSlot],
                        image.subspan(f.offset, f.length));
    }
}

}  // namespace kvd

#include "image/SettingsCodec.h"

#include <optional>
#include <string>
#include <type_traits>

#include "channels/BandTable.h"
#include "image/FieldTable.h"
#include "image/Overloaded.h"
#include "image/RadioState.h"
#include "texts/Utf8.h"

namespace kvd {

namespace {

using FieldTable::Codec;
using FieldTable::Field;

constexpr std::uint8_t kNoCharacter = 0xFF;
constexpr std::uint8_t kGroupZero = 0x3A;  // how a code group stores the digit "0"
constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;

// The value a number field's bytes stand for; nullopt when they mean nothing.
std::optional<int> NumberOf(const Field& f, std::span<const std::uint8_t> b) {
    const int n = b[0];
    switch (f.codec) {
        case Codec::Byte:
            return n;
        case Codec::PlusOne:
            return n - 1;
        case Codec::Tens:
            return n * 10;
        case Codec::ZeroAsFF:
            return n == 0xFF ? 0 : n;
        case Codec::AsciiDigit:
            if (n == 0x00 || n == 0xFF) {
                return 0;
            }
            return n >= '0' && n <= '9' ? std::optional<int>(n - '0') : std::nullopt;
        case Codec::Bit0:
            return n & 1;
        case Codec::Word:
            return static_cast<std::int16_t>(n | b[1] << 8);
        default:
            return std::nullopt;
    }
}

void PutNumber(const Field& f, int value, std::span<std::uint8_t> b) {
    switch (f.codec) {
        case Codec::PlusOne:
            value += 1;
            break;
        case Codec::Tens:
            value /= 10;
            break;
        case Codec::ZeroAsFF:
            value = value == 0 ? 0xFF : value;
            break;
        case Codec::AsciiDigit:
            value = value == 0 ? 0 : std::to_string(value)[0];
            break;
        case Codec::Bit0:
            value = 0xFE | (value & 1);
            break;
        case Codec::Word:
            b[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
            break;
        default:
            break;
    }
    b[0] = static_cast<std::uint8_t>(value & 0xFF);
}

// Characters 0x80..0xFE take two bytes of UTF-8.
void ReadText(const Field& f, std::span<const std::uint8_t> b, std::string& text) {
    char utf8[2 * 32];
    std::size_t length = 0;
    for (std::uint8_t c : b) {
        if (c == kNoCharacter || length + 2 > sizeof utf8) {
            continue;
        }
        if (c < 0x80) {
            utf8[length++] =
                f.codec == Codec::GroupCode && c == kGroupZero ? '0' : static_cast<char>(c);
        } else {
            utf8[length++] = static_cast<char>(0xC0 | c >> 6);
            utf8[length++] = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    text.assign(utf8, length);
}

// One byte per character position: a character beyond one byte becomes "?", positions past
// the text's end hold no character.
void PutText(const Field& f, std::string_view text, std::span<std::uint8_t> b) {
    std::size_t at = 0;
    for (std::uint8_t& out : b) {
        if (at >= text.size()) {
            out = kNoCharacter;
            continue;
        }
        const auto lead = static_cast<unsigned char>(text[at]);
        const char32_t c = lead < 0x80 ? text[at++] : NextCodePoint(text, at);
        if (f.codec == Codec::GroupCode && c == U'0') {
            out = kGroupZero;
        } else {
            out = c <= 0xFF ? static_cast<std::uint8_t>(c) : '?';
        }
    }
}

std::optional<Frequency> ReadFrequency(std::span<const std::uint8_t> b) {
    const std::uint32_t packed = b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t{b[3]} << 24;
    return packed == kNoFrequency ? std::nullopt : std::optional(Frequency::FromPacked(packed));
}

void PutFrequency(const std::optional<Frequency>& f, std::span<std::uint8_t> b) {
    const std::uint32_t packed = f ? f->packed() : kNoFrequency;
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<std::uint8_t>(packed >> (8 * i));
    }
}

std::optional<Frequency>& DebugFrequency(std::array<DebugFrequencyPair, Settings::kDebugRows>& rows,
                                         int i) {
    return i % 2 == 0 ? rows[i / 2].receive : rows[i / 2].transmit;
}
const std::optional<Frequency>& DebugFrequency(
    const std::array<DebugFrequencyPair, Settings::kDebugRows>& rows, int i) {
    return i % 2 == 0 ? rows[i / 2].receive : rows[i / 2].transmit;
}

void DecodeField(const Field& f, std::span<const std::uint8_t> image, RadioState& state) {
    auto bytes = [&](int i) { return image.subspan(f.offset + f.width * i, f.width); };
    auto number = [&]() -> std::optional<int> {
        const std::optional<int> value = NumberOf(f, bytes(0));
        return value && f.accepted.contains(*value) ? value : std::nullopt;
    };
    Settings& s = state.settings;
    std::visit(Overloaded{
                   [&](std::monostate) {
                       if (auto band = BandTable::PositionOfCode(image[f.offset])) {
                           state.band.TakeBand(*band);
                       }
                   },
                   [&](std::int16_t Settings::*m) {
                       if (auto value = number()) {
                           s.*m = static_cast<std::int16_t>(*value);
                       }
                   },
                   [&](bool Settings::*m) {
                       if (auto value = number()) {
                           s.*m = *value != 0;
                       }
                   },
                   [&](std::optional<std::int16_t> Settings::*m) {
                       if (auto value = number()) {
                           s.*m = static_cast<std::int16_t>(*value);
                       }
                   },
                   [&](std::string Settings::*m) { ReadText(f, bytes(0), s.*m); },
                   [&](std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*m) {
                       for (int i = 0; i < f.count; ++i) {
                           DebugFrequency(s.*m, i) = ReadFrequency(bytes(i));
                       }
                   },
                   [&](auto m) {  // lines of text
                       for (int i = 0; i < f.count; ++i) {
                           ReadText(f, bytes(i), (s.*m)[i]);
                       }
                   },
               },
               f.member);
}

void EncodeField(const Field& f, const RadioState& state, std::span<std::uint8_t> image) {
    auto bytes = [&](int i) { return image.subspan(f.offset + f.width * i, f.width); };
    const Settings& s = state.settings;
    std::visit(Overloaded{
                   [&](std::monostate) {
                       const std::uint8_t code = BandTable::At(state.band.position()).code;
                       image[f.offset] = code;
                       image[f.copyOffset] = code;
                   },
                   [&](std::int16_t Settings::*m) { PutNumber(f, s.*m, bytes(0)); },
                   [&](bool Settings::*m) { PutNumber(f, s.*m ? 1 : 0, bytes(0)); },
                   [&](std::optional<std::int16_t> Settings::*m) {
                       PutNumber(f, (s.*m).value_or(0), bytes(0));
                   },
                   [&](std::string Settings::*m) { PutText(f, s.*m, bytes(0)); },
                   [&](std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*m) {
                       for (int i = 0; i < f.count; ++i) {
                           PutFrequency(DebugFrequency(s.*m, i), bytes(i));
                       }
                   },
                   [&](auto m) {
                       for (int i = 0; i < f.count; ++i) {
                           PutText(f, (s.*m)[i], bytes(i));
                       }
                   },
               },
               f.member);
}

std::string StartText(const Field& f, int i) {
    return i < static_cast<int>(f.start.texts.size()) ? std::string(f.start.texts[i])
                                                      : std::string();
}

}  // namespace

void DecodeSettings(std::span<const std::uint8_t> image, RadioState& state) {
    for (const Field& f : FieldTable::All()) {
        DecodeField(f, image, state);
    }
}

void EncodeSettings(const RadioState& state, std::span<std::uint8_t> image) {
    for (const Field& f : FieldTable::All()) {
        EncodeField(f, state, image);
    }
}

Settings StartupSettings() {
    Settings s;
    for (const Field& f : FieldTable::All()) {
        std::visit(Overloaded{
                       [](std::monostate) {},  // the band selection starts on its own
                       [&](std::int16_t Settings::*m) {
                           s.*m = static_cast<std::int16_t>(f.start.number);
                       },
                       [&](bool Settings::*m) { s.*m = f.start.number != 0; },
                       [&](std::optional<std::int16_t> Settings::*m) {
                           s.*m = f.start.none ? std::nullopt
                                               : std::optional<std::int16_t>(f.start.number);
                       },
                       [&](std::string Settings::*m) { s.*m = StartText(f, 0); },
                       [&](std::array<DebugFrequencyPair, Settings::kDebugRows> Settings::*m) {
                           s.*m = {};
                       },
                       [&](auto m) {
                           for (int i = 0; i < f.count; ++i) {
                               (s.*m)[i] = StartText(f, i);
                           }
                       },
                   },
                   f.member);
    }
    return s;
}

}  // namespace kvd

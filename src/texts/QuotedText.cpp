#include "texts/QuotedText.h"

#include <cstdint>
#include <cstdio>

namespace kvd {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, 0 when there is none.
std::size_t SequenceLength(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = code << 6 | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < smallest[length] || code > 0x10FFFF || surrogate ? 0 : length;
}

bool IsControl(std::string_view sequence) {
    const auto first = static_cast<std::uint8_t>(sequence[0]);
    const bool c1 = sequence.size() == 2 && first == 0xC2 &&
                    static_cast<std::uint8_t>(sequence[1]) < 0xA0;  // U+0080..U+009F
    return first < 0x20 || first == 0x7F || c1;
}

std::string Escaped(std::string_view sequence) {
    switch (sequence[0]) {
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        case '\0':
            return "\\0";
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        default:
            break;
    }
    if (!IsControl(sequence)) {
        return std::string(sequence);
    }
    std::string out;
    for (char c : sequence) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X",
                      static_cast<unsigned>(static_cast<std::uint8_t>(c)));
        out += hex;
    }
    return out;
}

}  // namespace

std::string QuotedText(std::string_view value, std::size_t limit) {
    std::string out = "\"";
    std::size_t characters = 0;
    while (!value.empty() && characters < limit) {
        const std::size_t length = SequenceLength(value);
        if (length == 0) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X",
                          static_cast<unsigned>(static_cast<std::uint8_t>(value[0])));
            out += hex;
            value.remove_prefix(1);
        } else {
            out += Escaped(value.substr(0, length));
            value.remove_prefix(length);
        }
        ++characters;
    }
    out += '"';
    return value.empty() ? out : out + "…";
}

}  // namespace kvd

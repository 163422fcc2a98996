#include "image/ImageFields.h"

#include <cmath>
#include <cstdio>

#include "channels/ToneList.h"
#include "image/ByteMap.h"
#include "image/HexText.h"
#include "image/Raster.h"
#include "image/Utf8.h"

namespace kvd {

namespace {

constexpr std::uint16_t kNoTone = 0xFFFF;
constexpr std::uint16_t kDcsNormal = 0x2000;
constexpr std::uint16_t kDcsInverted = 0xA000;
constexpr std::uint16_t kDcsMarker = 0x800;  // set by us so the code always shows 3 digits

int NibbleAt(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return 0;
    }
    int v = HexDigitValue(text[position]);
    return v < 0 ? 0 : v;
}

std::string OctalDigits(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%o", value);
    return buffer;
}

// The DCS code of a "D" + octal digits + "N"/"I" text, with the number of digits.
bool ParseDcs(std::string_view text, unsigned& code, std::size_t& digits) {
    if (text.size() < 3 || text.front() != 'D' || (text.back() != 'N' && text.back() != 'I')) {
        return false;
    }
    std::string_view octal = text.substr(1, text.size() - 2);
    if (octal.empty() || octal.size() > 3) {
        return false;
    }
    code = 0;
    for (char c : octal) {
        if (c < '0' || c > '7') {
            return false;
        }
        code = code * 8 + static_cast<unsigned>(c - '0');
    }
    digits = octal.size();
    return true;
}

}  // namespace

std::string ParseFrequency(std::span<const std::uint8_t, 4> b) {
    if (b[0] == 0xFF && b[1] == 0xFF && b[2] == 0xFF && b[3] == 0xFF) {
        return {};
    }
    std::string byte2 = HexByte(b[2]);
    return HexByte(b[3]) + byte2[0] + "." + byte2[1] + HexByte(b[1]) + HexByte(b[0]);
}

void RenderFrequency(std::string_view text, std::span<std::uint8_t, 4> b) {
    if (text.empty()) {
        b[0] = b[1] = b[2] = b[3] = 0xFF;
        return;
    }
    auto pair = [&](std::size_t high, std::size_t low) {
        return static_cast<std::uint8_t>(NibbleAt(text, high) * 16 + NibbleAt(text, low));
    };
    // Characters (1-based) 8-9, 6-7, 3 and 5, 1-2.
    b[0] = pair(7, 8);
    b[1] = pair(5, 6);
    b[2] = pair(2, 4);
    b[3] = pair(0, 1);
}

std::string ToneText(std::uint16_t word) {
    if (word == kNoTone) {
        return {};
    }
    char first = HexWord(static_cast<std::int16_t>(word))[0];
    if (first == '2' || first == 'A') {
        std::string octal = OctalDigits(word & 0xFFFu);
        if (octal.size() > 3) {
            octal = octal.substr(octal.size() - 3);
        }
        return "D" + octal + (first == '2' ? "N" : "I");
    }
    std::string digits = std::to_string(word);
    return digits.substr(0, digits.size() - 1) + "." + digits.back();
}

std::uint16_t ToneWord(std::string_view text) {
    if (text.empty() || ToneList::IsOff(text)) {
        return kNoTone;
    }
    if (text.front() == 'D') {
        unsigned code = 0;
        std::size_t digits = 0;
        if (!ParseDcs(text, code, digits)) {
            return kNoTone;
        }
        std::uint16_t polarity = text.back() == 'N' ? kDcsNormal : kDcsInverted;
        // A radio word without the marker bit shows fewer than three digits; writing it
        // back without the marker keeps the radio's bytes.
        std::uint16_t marker = digits == 3 ? kDcsMarker : 0;
        return static_cast<std::uint16_t>(polarity | marker | (code & 0x1FF));
    }
    long tenths = std::lround(LeadingNumber(text) * 10.0);
    return static_cast<std::uint16_t>(tenths & 0xFFFF);
}

std::string ParseTextField(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        if (b != ByteMap::kNoCharacter) {
            AppendUtf8(text, b);
        }
    }
    return text;
}

void RenderTextField(std::string_view utf8, std::span<std::uint8_t> bytes) {
    std::vector<char32_t> chars = DecodeUtf8(utf8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i >= chars.size()) {
            bytes[i] = ByteMap::kNoCharacter;
        } else {
            bytes[i] = chars[i] <= 0xFF ? static_cast<std::uint8_t>(chars[i]) : '?';
        }
    }
}

std::string ParseGroupCode(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        if (b == ByteMap::kNoCharacter) {
            continue;
        }
        AppendUtf8(text, b == ByteMap::kGroupZero ? U'0' : b);
    }
    return text;
}

void RenderGroupCode(std::string_view utf8, std::span<std::uint8_t> bytes) {
    RenderTextField(utf8, bytes);
    std::vector<char32_t> chars = DecodeUtf8(utf8);
    for (std::size_t i = 0; i < bytes.size() && i < chars.size(); ++i) {
        if (chars[i] == U'0') {
            bytes[i] = ByteMap::kGroupZero;
        }
    }
}

}  // namespace kvd

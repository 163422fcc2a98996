#include "image/HexText.h"

#include <cstdio>

namespace kvd {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";
// Four binary digits for each hexadecimal digit, in digit order.
constexpr std::string_view kBitTable =
    "0000000100100011010001010110011110001001101010111100110111101111";
}  // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string HexByte(long value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02lX", static_cast<unsigned long>(value));
    return buffer;
}

std::string HexWord(std::int16_t value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X",
                  static_cast<unsigned>(static_cast<std::uint16_t>(value)));
    return buffer;
}

std::string HexToBits(std::string_view hex) {
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (char c : hex) {
        int v = HexDigitValue(c);
        if (v < 0) {
            v = 0;
        }
        bits += kBitTable.substr(static_cast<std::size_t>(v) * 4, 4);
    }
    return bits;
}

std::string BitsToHex(std::string_view bits) {
    std::string padded((4 - bits.size() % 4) % 4, '0');
    padded += bits;
    std::string hex;
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int v = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            v = v * 2 + (padded[i + j] == '1' ? 1 : 0);
        }
        hex += kDigits[v];
    }
    return hex;
}

std::string BytesToImageText(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::vector<std::uint8_t> ImageTextToBytes(std::string_view text, std::size_t byteCount) {
    std::vector<std::uint8_t> bytes(byteCount, 0xFF);
    for (std::size_t i = 0; i < byteCount && 2 * i + 1 < text.size(); ++i) {
        int high = HexDigitValue(text[2 * i]);
        int low = HexDigitValue(text[2 * i + 1]);
        if (high >= 0 && low >= 0) {
            bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
        }
    }
    return bytes;
}

}  // namespace kvd

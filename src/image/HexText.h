#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvd {

// Image text is the memory image as two uppercase hexadecimal digits per byte.

// The number's hexadecimal form, uppercase, at least two digits; nothing is cut.
std::string HexByte(long value);
// A signed 16-bit number as four hexadecimal digits (two's complement when negative).
std::string HexWord(std::int16_t value);
// Each hexadecimal digit becomes four binary digits, most significant first.
std::string HexToBits(std::string_view hex);
// Bits (left-padded with "0" to a multiple of four) to uppercase hexadecimal digits;
// only the character "1" counts as a set bit.
std::string BitsToHex(std::string_view bits);

// Bytes to image text and back. Text that is cut short or holds a character that is no
// hexadecimal digit yields 0xFF for the bytes it cannot give (erased memory).
std::string BytesToImageText(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> ImageTextToBytes(std::string_view text, std::size_t byteCount);

// Value of one hexadecimal digit, or -1.
int HexDigitValue(char c);

}  // namespace kvd

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvd {

// Codecs of the small fixed fields that recur in the memory image. Each parse has a
// mirror-image render.

// Frequency: four bytes of packed BCD in units of 10 Hz, least significant byte first.
// FF FF FF FF is "no frequency" (empty text). The nibbles are shown as hexadecimal
// characters without checking that they are decimal, so any bytes survive.
std::string ParseFrequency(std::span<const std::uint8_t, 4> bytes);
// Renders a nine-character text "NNN.NNNNN"; a character that is no hexadecimal digit
// counts as 0. An empty text renders FF FF FF FF.
void RenderFrequency(std::string_view text, std::span<std::uint8_t, 4> bytes);

// Tone word: 0xFFFF none, 0x2xxx DCS normal, 0xAxxx DCS inverted, else CTCSS in 0.1 Hz.
std::string ToneText(std::uint16_t word);
// The word a tone text stands for; "off" texts and empty give 0xFFFF.
std::uint16_t ToneWord(std::string_view text);

// Text fields: one byte per character, the byte's value being the character's code
// (U+0000..U+00FF); 0xFF is no character and is skipped wherever it stands.
// The program keeps texts in UTF-8.
std::string ParseTextField(std::span<const std::uint8_t> bytes);
// Writes the text's characters, padded with 0xFF; a character above U+00FF becomes "?".
void RenderTextField(std::string_view utf8, std::span<std::uint8_t> bytes);

// Code groups store the digit "0" as 0x3A.
std::string ParseGroupCode(std::span<const std::uint8_t> bytes);
void RenderGroupCode(std::string_view utf8, std::span<std::uint8_t> bytes);

}  // namespace kvd

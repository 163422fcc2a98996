#pragma once

#include <string>
#include <string_view>

#include "settings/Language.h"

namespace kvd {

// The 261 tones a channel can carry, by list position: 0 "off", 1..50 CTCSS,
// 51..155 DCS normal polarity, 156..260 the same codes inverted.
namespace ToneList {

constexpr int kCount = 261;
constexpr int kFirstCtcss = 1;
constexpr int kCtcssCount = 50;
constexpr int kFirstDcsNormal = 51;
constexpr int kFirstDcsInverted = 156;
constexpr int kDcsCount = 105;

extern const LocalText kOff;

// Text at a position in the given language; empty outside 0..260.
std::string Text(int position, LanguageId language);

// Position of a text in the list, either language's "off" included; -1 when absent.
int Position(std::string_view text);

// The list position a tone cell records for a text: its own position when listed, else one
// that is not "off", so a language switch leaves the text alone: the nearest CTCSS tone, or
// the first DCS code of the text's polarity.
int PositionForCell(std::string_view text);

// Positions of the CTCSS entries by value in tenths of a hertz, for nearest-tone lookups.
int CtcssTenths(int position);
// The DCS code (0..511) of a list position 51..260.
int DcsCode(int position);

bool IsOff(std::string_view text);

}  // namespace ToneList
}  // namespace kvd

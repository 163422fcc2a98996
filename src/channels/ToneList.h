#pragma once

#include <string>

#include "channels/Tone.h"
#include "settings/Language.h"

namespace kvd {

// The 261 tones a channel can be given from the list, by list position: 0 "off",
// 1..50 CTCSS, 51..155 DCS normal polarity, 156..260 the same codes inverted.
namespace ToneList {

constexpr int kCount = 261;
constexpr int kFirstCtcss = 1;
constexpr int kCtcssCount = 50;
constexpr int kFirstDcsNormal = 51;
constexpr int kFirstDcsInverted = 156;
constexpr int kDcsCount = 105;

extern const LocalText kOff;

// The tone at a position; none outside 0..260.
Tone At(int position);
// Text at a position in the given language; empty outside 0..260.
std::string Text(int position, LanguageId language);

// The position of a tone in the list; -1 for a tone the list does not hold (a CTCSS value
// typed by hand, a DCS code the radio has but the list lacks, another word).
int PositionOf(Tone tone);

}  // namespace ToneList
}  // namespace kvd

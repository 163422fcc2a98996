#pragma once

#include <string>

#include "image/ByteOwners.h"
#include "image/Comparison.h"
#include "settings/Language.h"

namespace kvd {

// The words in which a comparison is shown, in either language: what a place is called and
// how its values read. Settings go by the field table's names.
namespace DifferenceTexts {

// "Channel 03" / "信道 03".
std::string ChannelHeading(int number, LanguageId language);

// A channel's column ("RX frequency", "TX QT/DQT", ...), or a setting's name with the
// element's number where the row has several ("autoDialMemories 3", "debugFrequencies 05 RX
// frequency").
std::string FieldCaption(const FieldPlace& place, LanguageId language);

// A value as the table and the settings show it: a frequency's digits, a tone as the tone
// list shows it, a choice as its list item, the band as its list item, a number in decimal,
// a check box as 0 or 1, a text as it is; empty for nothing.
std::string ValueText(const FieldPlace& place, const FieldValue& value, LanguageId language);

// What an image byte belongs to: a channel's heading, the scan list's bitmap of eight
// channels, a setting's caption, or the bytes the program always writes the same.
std::string OwnerText(const ByteOwner& owner, LanguageId language);

// When two configurations are equal.
const LocalText& NoDifferences();

}  // namespace DifferenceTexts
}  // namespace kvd

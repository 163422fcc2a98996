#pragma once

#include "image/ByteOwners.h"
#include "image/Comparison.h"
#include "texts/UserText.h"

namespace kvd {

// The words in which a comparison is shown: what a place is called and how its values read.
// Settings go by the field table's names.
namespace DifferenceTexts {

// "Channel 03" / "信道 03".
UserText ChannelHeading(int number);

// A channel's column ("RX frequency", "TX QT/DQT", ...), or a setting's name with the
// element's number where the row has several ("autoDialMemories 3", "debugFrequencies 05 RX
// frequency").
UserText FieldCaption(const FieldPlace& place);

// A value as the table and the settings show it: a frequency's digits, a tone as the tone
// list shows it, a choice as its list item, the band as its list item, a number in decimal,
// a check box as 0 or 1, a text as it is; empty for nothing.
UserText ValueText(const FieldPlace& place, const FieldValue& value);

// What an image byte belongs to: a channel's heading, the scan list's bitmap of eight
// channels, a setting's caption, or the bytes the program always writes the same.
UserText OwnerText(const ByteOwner& owner);

// When two configurations are equal.
TextId NoDifferences();

}  // namespace DifferenceTexts
}  // namespace kvd

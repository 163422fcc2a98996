#pragma once

#include "image/ByteOwners.h"
#include "image/Comparison.h"
#include "texts/UserText.h"

namespace kvd {

// The words in which a comparison is shown: what a place is called and how its values read.
// A setting goes by its control's caption, with the field table's name after it.
namespace DifferenceTexts {

// "Channel 03" / "信道 03".
UserText ChannelHeading(int number);

// A channel's column ("RX frequency", "TX QT/DQT", ...), or a setting's caption, numbered
// where the row has several, with its name ("静噪等级 (squelchLevel)", "自动拨号存储器 3
// (autoDialMemories)").
UserText FieldCaption(const FieldPlace& place);

// A value as the table and the settings' controls show it: a frequency's digits, a tone as
// the tone list shows it, a choice or a setting's list position as its list item, a check box
// as its on or off word, other numbers in decimal, a text as it is; empty for nothing.
UserText ValueText(const FieldPlace& place, const FieldValue& value);

// What an image byte belongs to: a channel's heading, the scan list's bitmap of eight
// channels, a setting's caption, or the bytes the program always writes the same.
UserText OwnerText(const ByteOwner& owner);

// When two configurations are equal.
TextId NoDifferences();

}  // namespace DifferenceTexts
}  // namespace kvd

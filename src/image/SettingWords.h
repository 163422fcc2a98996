#pragma once

#include <vector>

#include "image/FieldTable.h"
#include "image/FieldValues.h"
#include "texts/UserText.h"

namespace kvd {

// A setting in the words of the control that edits it: the caption beside the control, the
// items of its list and which item stands for which value. The dialogs, the function-set
// panel, the printout and the comparison all take them from here.
namespace SettingWords {

// How a list's positions stand for its setting's values.
enum class Unit {
    Position,       // the value is the position
    ChannelNumber,  // channels 1..16 at positions 0..15
    Milliseconds,   // 100 ms at position 0, then steps of 50 ms
};

// The caption the window shows beside the field's control.
TextId Caption(const FieldTable::Field& field);
// The caption of one element, numbered where the row holds several ("自动拨号存储器 3",
// "测试频率 05 接收频率", "嵌入信息第 2 行").
UserText ElementCaption(const FieldTable::Field& field, int element);

// The items of the field's list; empty for a field its window shows otherwise.
std::vector<UserText> Items(const FieldTable::Field& field);
Unit UnitOf(const FieldTable::Field& field);
// The position of the item that shows `value` among `count` items, -1 for none.
int PositionOf(Unit unit, int value, int count);
int PositionOf(const FieldTable::Field& field, int value);
// The value an item stands for.
int ValueAt(Unit unit, int position);
int ValueAt(const FieldTable::Field& field, int position);

// A value as its control shows it: a list's item, a check box's on or off word, a number
// (a delay, a power level, or a value no item shows), a text as it is, a frequency's digits;
// empty for none.
UserText ValueWords(const FieldTable::Field& field, const FieldValue& value);

}  // namespace SettingWords
}  // namespace kvd

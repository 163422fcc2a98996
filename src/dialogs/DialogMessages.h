#pragma once

#include "settings/Language.h"

namespace kvd::gui {

// Messages of the settings dialogs. They exist in Chinese only and are shown as they are in
// both interface languages; the message box's buttons follow the language.
namespace DialogMessages {

inline constexpr const char* kFixedNeedsChannel = "当设定为‘固定’时信道不可为空，请重设！";
inline constexpr const char* kFixedNeedsChannelTitle = "提示";
inline constexpr const char* kEmptyChannelRefused = "不可选择空信道，请重新选择！";
inline constexpr const char* kMemoryTooLong = "存储器只能存储16位！";

// The program's own refusal of a scan delay the radio cannot hold, in the interface language;
// %1 is the field's caption, %2 and %3 the lowest and highest delay.
inline constexpr LocalText kScanDelayRange{"%1只能是 %2 到 %3 之间的整数！",
                                           "%1 takes only whole numbers from %2 to %3!"};

}  // namespace DialogMessages
}  // namespace kvd::gui

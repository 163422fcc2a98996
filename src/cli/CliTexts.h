#pragma once

#include "settings/Language.h"

namespace kvd::cli {

// Texts of the command-line tool that follow --lang (the rest of its messages are English).
namespace CliTexts {

inline constexpr LocalText kReadInterrupted{"读频被中断，没有保存任何文件。",
                                            "The read was interrupted; nothing was saved."};
inline constexpr LocalText kWriteInterrupted{
    "写频被中断，对讲机中可能是只写了一部分的配置。",
    "The write was interrupted; the radio may hold a partly written configuration."};
// %1: the newest backup.
inline constexpr LocalText kRestoreBackup{"可写入最近的备份来恢复：%1",
                                          "To restore it, write the newest backup: %1"};
inline constexpr LocalText kWriteAgain{"请在使用对讲机之前重新写入。",
                                       "Write it again before using the radio."};

// The comparison's heading above the settings, and its name for the radio.
inline constexpr LocalText kSettings{"设置", "Settings"};
inline constexpr LocalText kRadio{"对讲机", "radio"};

}  // namespace CliTexts
}  // namespace kvd::cli

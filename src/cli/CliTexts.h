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
inline constexpr LocalText kOtherBytes{"其他字节", "Other bytes"};

// A write with checks: the steps as they begin, the two sides of its comparisons, and what
// the tool says when it ends other than by the radio's or the link's own messages.
inline constexpr LocalText kStepBackup{"备份读取", "backup read"};
inline constexpr LocalText kStepWrite{"写入", "write"};
inline constexpr LocalText kStepCheck{"校验读取", "check read"};
inline constexpr LocalText kChangesHeading{"写入将改变以下内容：", "What the write will change:"};
inline constexpr LocalText kToWrite{"将写入", "to be written"};
inline constexpr LocalText kRadioNow{"对讲机现有", "radio now"};
inline constexpr LocalText kWritten{"已写入", "written"};
inline constexpr LocalText kRadioHolds{"对讲机实有", "radio holds"};
inline constexpr LocalText kAnswerYesNo{"[y/N]", "[y/N]"};
inline constexpr LocalText kNoBackupHint{"（加 --no-backup 可不备份直接写入）",
                                         "(--no-backup writes without a backup)"};
inline constexpr LocalText kInterruptedBeforeWriting{
    "写频在写入之前被中断，没有写入任何数据。",
    "The write was interrupted before anything was written."};
inline constexpr LocalText kCheckInterrupted{"校验被中断：已写入，未校验。",
                                             "The check was interrupted: written, not verified."};

}  // namespace CliTexts
}  // namespace kvd::cli

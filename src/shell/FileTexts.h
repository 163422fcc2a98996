#pragma once

#include "settings/Language.h"

namespace kvd::gui {

// Texts of the file commands (channel files and CSV).
namespace FileTexts {

// The one type each dialog offers. The channel file's begins with the application's title.
inline constexpr const char* kChannelFileFilter = "KVD-270 (*.DAT)";
inline constexpr const char* kChannelFileSuffix = "DAT";
inline constexpr const char* kCsvFilter = "CSV (*.csv)";
inline constexpr const char* kCsvSuffix = "csv";

// New: asked before the channel table is emptied. The texts are the radio maker's own.
inline constexpr LocalText kNewPrompt{"所有信道的数据将被清除！",
                                      "All channel data will be clear."};
inline constexpr LocalText kNewTitle{"警告", "Warnning"};

// Open: a file without the channel file's signature.
inline constexpr LocalText kWrongType{"文件类型不对，无法打开。", "Document type not to open."};

// Save and export: the chosen file exists.
inline constexpr LocalText kOverwrite{"该文件已存在，是否覆盖？",
                                      "This file already exists, whether to cover?"};

// Failures of the file system; %1 is the file, %2 the system's reason.
inline constexpr LocalText kCannotRead{"无法读取文件：\n%1\n\n%2",
                                       "The file cannot be read:\n%1\n\n%2"};
inline constexpr LocalText kCannotWrite{"无法写入文件，原有文件保持不变：\n%1\n\n%2",
                                        "The file cannot be written; an existing file is left as "
                                        "it was:\n%1\n\n%2"};
inline constexpr LocalText kTooLarge{"文件太大，不是信道列表。",
                                     "The file is too large to be a channel list."};

}  // namespace FileTexts
}  // namespace kvd::gui

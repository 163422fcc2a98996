#pragma once

#include "settings/Language.h"

namespace kvd::gui {

// Texts of the shell that are not window captions.
namespace ShellTexts {

// The application's title: message boxes without a title of their own carry it.
inline constexpr const char* kApplicationTitle = "KVD-270";

// The maker line at the foot of the main window and the page it opens.
inline constexpr const char* kMakerLine = "KVD-270 programmer project  ·  www.example.org/kvd270";
inline constexpr const char* kMakerUrl = "https://www.example.org/kvd270";

// Asked when the user changes the band from the opened band list.
inline constexpr LocalText kBandChangePrompt{"改变频段将清除频道列表，确定吗？",
                                             "Change frequency channel list will remove, sure?"};
inline constexpr LocalText kBandChangeTitle{"注意！", "Attention!"};

}  // namespace ShellTexts
}  // namespace kvd::gui

#pragma once

#include <string>

#include "settings/Language.h"
#include "settings/PanelList.h"

namespace kvd {

// Captions and items of the six function-set lists, in both languages.
namespace PanelLists {

struct ListInfo {
    const char* controlName;  // the list's control on the main window
    const char* labelName;    // the caption's control
    LocalText caption;
};

const ListInfo& Info(PanelList list);
int ItemCount(PanelList list);
// Item text at a position; empty outside the list.
std::string Item(PanelList list, int position, LanguageId language);

constexpr PanelList kAll[kCount] = {PanelList::VoicePrompt,    PanelList::Timeout,
                                    PanelList::TimeoutWarning, PanelList::Squelch,
                                    PanelList::BatterySave,    PanelList::Beep};

}  // namespace PanelLists
}  // namespace kvd

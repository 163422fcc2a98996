#pragma once

#include "settings/PanelList.h"
#include "texts/UserText.h"

namespace kvd {

// Captions and items of the six function-set lists.
namespace PanelLists {

// The caption that names a list.
TextId Caption(PanelList list);
int ItemCount(PanelList list);
// Item at a position; empty outside the list.
UserText Item(PanelList list, int position);

constexpr PanelList kAll[kCount] = {PanelList::VoicePrompt,    PanelList::Timeout,
                                    PanelList::TimeoutWarning, PanelList::Squelch,
                                    PanelList::BatterySave,    PanelList::Beep};

}  // namespace PanelLists
}  // namespace kvd
